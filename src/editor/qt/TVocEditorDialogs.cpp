// The editor's dialogs: the import assistant with its help page, the search dialog, the random
// library dialog "Zufällig erzeugen" and the save dialog.
#include "editor/qt/TEdSuchen.h"
#include "editor/qt/TImport.h"
#include "editor/qt/TVocEditor.h"
#include "platform/Cp1252.h"
#include "platform/WinPath.h"
#include "platform/qt/QtText.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

namespace qor {

std::optional<ImportSettings> TVocEditor::ImportAssistant(const ImportSettings& preset) {
    TImport dialog(m_setup.pageFolder, preset, this);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Choice();
}

std::optional<SearchRequest> TVocEditor::SearchDialog(const SearchRequest& preset) {
    TEdSuchen dialog(preset, this);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Request();
}

std::optional<RandomLibraryRequest> TVocEditor::RandomLibraryDialog() {
    QDialog dialog(this);
    dialog.setWindowTitle(ToQString("Zufällig erzeugen"_cp));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(ToQString("Größe der Bibliothek"_cp), &dialog));
    auto* size = new QSpinBox(&dialog);
    size->setRange(40, 800);
    size->setValue(40);
    layout->addWidget(size);
    auto* shares = new QLabel(&dialog);
    auto* slider = new QSlider(Qt::Horizontal, &dialog);
    slider->setRange(0, 100);
    slider->setValue(50);
    const auto showShares = [shares](int fremd) {
        shares->setText(QStringLiteral("Deutsch %1 % – Fremd %2 %").arg(100 - fremd).arg(fremd));
    };
    showShares(50);
    QObject::connect(slider, &QSlider::valueChanged, &dialog, showShares);
    layout->addWidget(slider);
    layout->addWidget(shares);
    auto* idioms = new QCheckBox(QStringLiteral("Redewendungen"), &dialog);
    idioms->setChecked(true);
    auto* sorted = new QCheckBox(QStringLiteral("Alphabetisch sortieren"), &dialog);
    sorted->setChecked(true);
    layout->addWidget(idioms);
    layout->addWidget(sorted);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    RandomLibraryRequest request;
    request.size = size->value();
    request.fremdShare = slider->value();
    request.idioms = idioms->isChecked();
    request.sortAfter = sorted->isChecked();
    return request;
}

} // namespace qor
