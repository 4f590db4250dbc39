// Prints the MIME type the shared MIME database gives each file, by name and
// content ("name") and by content alone ("content"), one file a line:
// "<file> <name type> <content type>". The install test points XDG_DATA_DIRS
// at the installed tree, so that the program's own package is what counts.
#include <QCoreApplication>
#include <QMimeDatabase>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QMimeDatabase db;
    for (const QString& path : QCoreApplication::arguments().mid(1))
        out << path << ' ' << db.mimeTypeForFile(path).name() << ' '
            << db.mimeTypeForFile(path, QMimeDatabase::MatchContent).name() << '\n';
    return 0;
}
