#include "records/log.h"

// Placeholder until the day records land: nothing is recorded yet.
Log::Log(Master* owner) : master(owner) {}
Log::~Log() = default;
void Log::minuteTick() {}
void Log::saveTemp() {}
