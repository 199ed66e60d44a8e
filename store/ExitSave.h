// CExitSave: what leaving the program saves of the user's work, in its order: the pending edit
// of the editor, then the data file, then the search terms. Closing writes the data file only
// when it changed and the Saving options ask for it; the end of the Windows session writes it
// whatever changed. After the user chose to leave a newer data file alone nothing is saved.
#pragma once

enum class EExitWay { closing, sessionEnd };

struct CExitSave {
    EExitWay way = EExitWay::closing;
    bool saveOnExit = true;   // cleared when a newer data file was refused with Yes
    bool moveSave = true;     // Misc: a changed record is saved when the program leaves it
    bool saveOnClose = true;  // Saving: the data file is written when the program closes

    bool SavesEditor(bool editorDirty) const { return saveOnExit && moveSave && editorDirty; }
    // Whether leaving wants the data file written; asked after the editor was saved, which may
    // itself have written the file. Whether the file may be written is CDataFileGuard's rule.
    bool WantsDataFile(bool modified) const;
    bool SavesSearchTerms() const { return saveOnExit; }
};
