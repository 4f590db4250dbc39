#include "widgets/app/helpwindow.h"
#include "widgets/app/tarvelomarkapp.h"

int main(int argc, char* argv[])
{
    CTarvelomarkApp app(argc, argv);
    InitWidgetResources();
    if (!app.InitInstance())
        return app.ExitInstance();
    const int code = CTarvelomarkApp::exec();
    const int exitCode = app.ExitInstance();
    return code != 0 ? code : exitCode;
}
