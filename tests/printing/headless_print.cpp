// The print command's printing half without its dialogs, for the print spooler
// test: the form's remembered printer is selected by name as before the print
// dialog, then the job goes to the program's current printer. Message boxes
// are closed at once and their texts written to standard output.
//
//   tvm_print_headless print FILE [--page 1|2] [--copies N]
//       settings from the user's store (XDG_CONFIG_HOME); without --copies the
//       form's "DruckAnzahl". Prints "Drucker: NAME" for the printer that took
//       the job; exit 0 when the job was sent, 1 when it failed, 2 on misuse.
//   tvm_print_headless mark IMAGE DPI
//       the top-left corner of the printout's upper alignment mark in a raster
//       of a printed page: "X Y" in millimetres from the page corner.
#include "core/documents/documentfactory.h"
#include "core/documents/krdocument.h"
#include "core/errors/errortext.h"
#include "core/settings/settingsstore.h"
#include "render/printing/printjob.h"
#include "widgets/app/mainframe.h"
#include "widgets/printing/printcommand.h"

#include <QApplication>
#include <QImage>
#include <QMessageBox>
#include <QPrinter>
#include <QTextStream>
#include <QTimer>

namespace {

int Usage(QTextStream& err)
{
    err << "Aufruf: tvm_print_headless print DATEI [--page 1|2] [--copies N]\n"
           "        tvm_print_headless mark BILD DPI\n";
    return 2;
}

int Print(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (args.size() < 2 || args.size() % 2 != 0)
        return Usage(err);
    const auto settings = CSettingsStore::OpenUserStore();
    const FormType type = FormTypeForPath(args[1]);
    int page = 1;
    int copies =
        qBound(1, settings->Get(GetFormTypeInfo(type).section, Settings::Copies), kMaxPrintCopies);
    for (int i = 2; i < args.size(); i += 2) {
        bool ok = false;
        const int value = args[i + 1].toInt(&ok);
        if (args[i] == QLatin1String("--page") && ok)
            page = value;
        else if (args[i] == QLatin1String("--copies") && ok)
            copies = value;
        else
            return Usage(err);
    }

    auto document = CreateDocument(type, *settings);
    if (const Error error = document->OnOpenDocument(args[1])) {
        err << ErrorMessage(error) << '\n';
        return 1;
    }

    CMainFrame frame(*settings);
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&out] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            out << "Meldung: " << QString(box->text()).replace(QLatin1Char('\n'), QLatin1Char(' '))
                << '\n';
            out.flush();
            box->done(QMessageBox::Ok);
        }
    });
    closer.start(10);
    const Error error = PrintWithRememberedPrinter(*document, *settings, frame, page, copies);
    out << "Drucker: " << frame.CurrentPrinter().printerName() << '\n';
    if (error) {
        err << ErrorMessage(error) << '\n';
        return 1;
    }
    return 0;
}

// The corner is the darkest thing near the top-left of the page: its left
// stroke gives x, its top stroke y.
int Mark(const QStringList& args, QTextStream& out, QTextStream& err)
{
    bool ok = false;
    const double dpi = args.value(2).toDouble(&ok);
    QImage image(args.value(1));
    if (args.size() != 3 || !ok || dpi <= 0 || image.isNull())
        return Usage(err);
    image = image.convertToFormat(QImage::Format_Grayscale8);
    const double pxPerMm = dpi / 25.4;
    // Only the top-left 40 x 40 mm, where nothing but the corner is printed.
    const int limit = int(40 * pxPerMm);
    int left = -1, top = -1;
    for (int y = 0; y < qMin(limit, image.height()); ++y)
        for (int x = 0; x < qMin(limit, image.width()); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                if (left < 0 || x < left)
                    left = x;
                if (top < 0)
                    top = y;
            }
    if (left < 0) {
        err << "Keine Markierung gefunden.\n";
        return 1;
    }
    out << QString::number(left / pxPerMm, 'f', 2) << ' ' << QString::number(top / pxPerMm, 'f', 2)
        << '\n';
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QLatin1String(CSettingsStore::kOrganisation));
    QCoreApplication::setApplicationName(QLatin1String(CSettingsStore::kApplication));
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.value(0) == QLatin1String("print"))
        return Print(args, out, err);
    if (args.value(0) == QLatin1String("mark"))
        return Mark(args, out, err);
    return Usage(err);
}
