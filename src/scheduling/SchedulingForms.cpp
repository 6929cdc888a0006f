// The attendance scheduling's menu openers.
#include "scheduling/SchedulingForms.h"

void registerSchedulingForms() {
    // The agenda and its reports register their actions here as they come.
}
