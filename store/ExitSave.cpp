// CExitSave: whether leaving writes the data file.
#include "store/ExitSave.h"

bool CExitSave::WritesDataFile(bool modified, bool listEmpty) const {
    if (!saveOnExit || (listEmpty && !modified)) return false;
    return way == EExitWay::sessionEnd || (modified && saveOnClose);
}
