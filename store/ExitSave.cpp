// CExitSave: whether leaving writes the data file.
#include "store/ExitSave.h"

bool CExitSave::WantsDataFile(bool modified) const {
    if (!saveOnExit) return false;
    return way == EExitWay::sessionEnd || (modified && saveOnClose);
}
