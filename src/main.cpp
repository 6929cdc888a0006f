#include "registers/RegistersForms.h"
#include "shell/NurvApp.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    registerReferenceForms();
    return runNurv(app);
}
