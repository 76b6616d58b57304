// Print preparation of a form window: fills the report, writes the fixed objects, adds the
// attachment page and opens the preview.
#include "ConfigedBase.h"

void TEABaseForm::PrintApplication() {}
