#include "exports/ExportsForms.h"
#include "registers/RegistersForms.h"
#include "registry/RegistryForms.h"
#include "shell/NurvApp.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    registerReferenceForms();
    registerRegistryForms();
    registerExportsForms();
    return runNurv(app);
}
