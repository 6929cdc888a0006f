#include "availability/AvailabilityForms.h"
#include "registers/RegistersForms.h"
#include "shell/NurvApp.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    registerReferenceForms();
    registerAvailabilityForms();
    return runNurv(app);
}
