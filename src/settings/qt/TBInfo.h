#pragma once
// "Infos zur Bibliothek": the library's entries counted per direction, by word class and by
// difficulty.

#include "settings/VocOptionenLogic.h"

#include <QDialog>

namespace qor {

class TBInfo : public QDialog {
    Q_OBJECT
public:
    // The value labels are named by column ("FD" Französisch-Deutsch, "DF" Deutsch-Französisch) and
    // row: "FDWortart0".."FDWortart5", "FDGesamt", "FDKontext", "FDSchwer0".."FDSchwer4",
    // "FDSchwerGesamt", and the same with "DF".
    explicit TBInfo(const BInfoTable& table, QWidget* parent = nullptr);
};

} // namespace qor
