// CMiscPage: eight on/off options that other parts of the program obey. Data in and out: the
// members below, in the order of their data exchange.
#pragma once

#include "framework/PropertySheet.h"

class CMiscPage : public CPropertyPageRestore {
public:
    CMiscPage();

    int m_bShowDayTip = 0;
    int m_bRestorePlacement = 0;
    int m_bMoveToTitle = 0;
    int m_bMoveToLink = 0;
    int m_bCopyLink = 0;
    int m_bConfirmDelete = 0;
    int m_bMoveSave = 0;
    int m_bSaveColumnWidths = 0;

protected:
    void DoDataExchange(CDataExchange& dx) override;
};
