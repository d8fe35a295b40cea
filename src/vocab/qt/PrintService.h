#pragma once
// The printouts as the windows start them: the editor and the vocabulary options window hold a
// PrintService and leave printer, dialogs and jobs to it.

class QWidget;

namespace qor {

class TBibliothek;

class PrintService {
public:
    virtual ~PrintService() = default;
    // "Drucken..." and the button bDrucken: the library as a numbered list.
    virtual void PrintList(TBibliothek& library, QWidget* parent) = 0;
    // "Karteikarten drucken...".
    virtual void PrintFlashCards(TBibliothek& library, QWidget* parent) = 0;
    // "Drucker einrichten...".
    virtual void SetUpPrinter(QWidget* parent) = 0;
};

} // namespace qor
