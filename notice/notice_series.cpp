// Placeholder until the notice animation lands: a series ends at once.
#include "app/master.h"

void Master::startNotice() {}
void Master::previewNotice() {}
void Master::noticeEnded() {}
