#include "registers/RegistersForms.h"
#include "scheduling/SchedulingForms.h"
#include "shell/NurvApp.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    registerReferenceForms();
    registerSchedulingForms();
    return runNurv(app);
}
