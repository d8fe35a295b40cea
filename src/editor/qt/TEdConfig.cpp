#include "editor/qt/TEdConfig.h"

#include "editor/qt/TSchemaDlg.h"
#include "platform/Cp1252.h"
#include "platform/qt/DialogPlacement.h"
#include "platform/qt/QtText.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <utility>

namespace qor {

namespace {

QColor ColourOf(std::int32_t colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

QLabel* Label(QWidget* parent, const QString& text, int x, int y, int width) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(x, y + 3, width, 20);
    return label;
}

} // namespace

TEdConfig::TEdConfig(EdConfigLogic& logic, const EditorScheme& scheme, std::vector<std::string> fonts,
                     NameQuestion askName, QWidget* parent)
    : QDialog(parent), m_logic(logic), m_scheme(scheme), m_askName(std::move(askName)) {
    // Filling the lists raises their change signals; none of them is the learner's choice.
    m_filling = true;
    setWindowTitle(QStringLiteral("Eigenschaften von Editor"));
    setFixedSize(400, 300);
    for (int index = 0; index < kSchemeColourCount; ++index) {
        const int top = 12 + index * 32;
        const QString number = QString::number(index + 1);
        Label(this, QStringLiteral("Farbe") + number, 12, top, 50);
        auto* field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("F") + number);
        field->setMaxLength(6);
        field->setGeometry(66, top, 70, 24);
        auto* swatch = new QFrame(this);
        swatch->setObjectName(QStringLiteral("C") + number);
        swatch->setFrameShape(QFrame::Box);
        swatch->setAutoFillBackground(true);
        swatch->setGeometry(144, top, 40, 24);
        m_fields[index] = field;
        m_swatches[index] = swatch;
        // The field holds capitals only, as it is typed.
        connect(field, &QLineEdit::textEdited, this, [field](const QString& text) {
            const QString upper = text.toUpper();
            if (upper != text) {
                const int cursor = field->cursorPosition();
                field->setText(upper);
                field->setCursorPosition(cursor);
            }
        });
        connect(field, &QLineEdit::textChanged, this,
                [this, index] { ColourEdited(index, ColourEntry::Typed); });
        connect(field, &QLineEdit::returnPressed, this,
                [this, index] { ColourEdited(index, ColourEntry::Enter); });
    }

    Label(this, QStringLiteral("Schriftart:"), 204, 12, 80);
    m_font = new QComboBox(this);
    m_font->setObjectName(QStringLiteral("Schrift"));
    for (const std::string& font : fonts)
        m_font->addItem(ToQString(font));
    m_font->setGeometry(204, 36, 184, 24);
    connect(m_font, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        if (m_filling)
            return;
        m_logic.FontChosen(FromQString(text));
        ClearSchemeSelection();
    });

    Label(this, ToQString("Größe:"_cp), 204, 70, 80);
    m_size = new QComboBox(this);
    m_size->setObjectName(QStringLiteral("SchriftG"));
    m_size->setEditable(true);
    m_size->setInsertPolicy(QComboBox::NoInsert);
    for (int size = 8; size <= 14; ++size)
        m_size->addItem(QString::number(size));
    m_size->setGeometry(204, 94, 70, 24);
    connect(m_size, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        if (!m_filling && m_logic.SizeTyped(FromQString(text)))
            ClearSchemeSelection();
    });

    m_bold = new QPushButton(QStringLiteral("F"), this);
    m_bold->setObjectName(QStringLiteral("F"));
    m_bold->setCheckable(true);
    QFont boldFont = m_bold->font();
    boldFont.setBold(true);
    m_bold->setFont(boldFont);
    m_bold->setGeometry(284, 94, 28, 24);
    connect(m_bold, &QPushButton::clicked, this, [this] {
        if (m_filling)
            return;
        m_logic.BoldToggled();
        m_bold->setChecked(m_scheme.bold);
        ClearSchemeSelection();
    });

    Label(this, QStringLiteral("Schema:"), 204, 130, 80);
    m_schemes = new QComboBox(this);
    m_schemes->setObjectName(QStringLiteral("Schema"));
    for (const std::string& name : m_logic.SchemeNames())
        m_schemes->addItem(ToQString(name));
    m_schemes->setGeometry(204, 154, 184, 24);
    connect(m_schemes, &QComboBox::currentIndexChanged, this, [this] {
        if (m_filling)
            return;
        if (m_logic.SchemeChosen(FromQString(m_schemes->currentText())))
            ShowState();
    });

    m_saveAs = new QPushButton(QStringLiteral("Speichern unter..."), this);
    m_saveAs->setGeometry(204, 190, 184, 26);
    connect(m_saveAs, &QPushButton::clicked, this, &TEdConfig::SaveAs);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(204, 262, 88, 26);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel->setGeometry(300, 262, 88, 26);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    ShowState();
    m_filling = true;
    m_schemes->setCurrentIndex(m_logic.SelectedScheme());
    m_filling = false;
    CentreOnScreen(*this);
}

void TEdConfig::accept() {
    m_logic.Ok();
    QDialog::accept();
}

void TEdConfig::reject() {
    m_logic.Cancel();
    QDialog::reject();
}

void TEdConfig::ShowState() {
    const bool wasFilling = std::exchange(m_filling, true);
    m_bold->setChecked(m_scheme.bold);
    if (m_font->findText(ToQString(m_scheme.fontName), Qt::MatchFixedString) < 0)
        m_font->addItem(ToQString(m_scheme.fontName));
    m_font->setCurrentIndex(m_font->findText(ToQString(m_scheme.fontName), Qt::MatchFixedString));
    m_size->setEditText(QString::number(m_logic.CurrentSize()));
    for (int index = 0; index < kSchemeColourCount; ++index) {
        m_fields[index]->setText(ToQString(FormatRrggbb(m_scheme.colours[index])));
        ShowSwatch(index);
    }
    m_filling = wasFilling;
}

void TEdConfig::ShowSwatch(int index) {
    QPalette palette = m_swatches[index]->palette();
    palette.setColor(QPalette::Window, ColourOf(m_scheme.colours[index]));
    m_swatches[index]->setPalette(palette);
}

void TEdConfig::ColourEdited(int index, ColourEntry entry) {
    if (m_filling)
        return;
    const ColourFieldOutcome outcome =
        m_logic.ColourFieldChanged(index, FromQString(m_fields[index]->text()), entry);
    if (outcome.resetText) {
        m_filling = true;
        m_fields[index]->setText(ToQString(*outcome.resetText));
        m_filling = false;
    }
    if (outcome.applied) {
        ShowSwatch(index);
        ClearSchemeSelection();
    }
}

void TEdConfig::ClearSchemeSelection() {
    m_filling = true;
    m_schemes->setCurrentIndex(-1);
    m_filling = false;
}

void TEdConfig::SaveAs() {
    std::optional<std::string> name;
    if (m_askName) {
        name = m_askName(m_scheme.name);
    } else {
        TSchemaDlg dialog(m_scheme.name, this);
        if (dialog.exec() == QDialog::Accepted)
            name = dialog.SchemeName();
    }
    if (!name)
        return;
    const int index = m_logic.SavedAs(*name);
    m_filling = true;
    m_schemes->clear();
    for (const std::string& scheme : m_logic.SchemeNames())
        m_schemes->addItem(ToQString(scheme));
    m_schemes->setCurrentIndex(index);
    m_filling = false;
}

} // namespace qor
