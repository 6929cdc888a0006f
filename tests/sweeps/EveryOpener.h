#pragma once
// Every subsystem's menu openers and report starters, registered as the application registers them at its
// start: the sweeps open each form the way its menu item does.

#include "availability/AvailabilityForms.h"
#include "exports/ExportsForms.h"
#include "registers/RegistersForms.h"
#include "registry/RegistryForms.h"
#include "scheduling/SchedulingForms.h"
#include "shell/ShellForms.h"

inline void registerEveryOpener() {
    registerShellForms();
    registerReferenceForms();
    registerRegistryForms();
    registerSchedulingForms();
    registerAvailabilityForms();
    registerExportsForms();
}
