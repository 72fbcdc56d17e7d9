#include "PlanTemplate.h"

#include "scripture/Bible.h"

CPlanTemplate CPlanTemplate::EditorDefaults() {
    CPlanTemplate t;
    t.bookSection.assign(TheBible().GetBookCount(), 1);
    return t;
}
