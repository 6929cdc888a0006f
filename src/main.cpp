// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry point: registers every subsystem's menu openers and runs the start-up.
#include "availability/AvailabilityForms.h"
#include "exports/ExportsForms.h"
#include "registers/RegistersForms.h"
#include "registry/RegistryForms.h"
#include "scheduling/SchedulingForms.h"
#include "shell/NurvApp.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    registerRegistersForms();
    registerRegistryForms();
    registerSchedulingForms();
    registerAvailabilityForms();
    registerExportsForms();
    return runNurv(app);
}
