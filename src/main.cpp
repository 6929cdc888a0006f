#include "shell/NurvApp.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return runNurv(app);
}
