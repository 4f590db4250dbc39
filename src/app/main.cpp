#include "app/mainframe.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Norvak"));
    QApplication::setApplicationName(QStringLiteral("Tarvelomark"));
    CMainFrame frame;
    frame.show();
    return QApplication::exec();
}
