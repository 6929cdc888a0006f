#include "exports/ExportsForms.h"
#include "registers/RegistersForms.h"
#include "shell/NurvApp.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    registerReferenceForms();
    registerExportsForms();
    return runNurv(app);
}
