// Index
//   [SECTION] Helpers       small builders for labelled sliders, lists and colour buttons
//   [SECTION] Construction  the seven tabs and the three buttons
//   [SECTION] Controls      options → controls, controls → options, labels and preview
//   [SECTION] Buttons       OK, cancel, reset, music test, browse and colour choosers

#include "settings/qt/TSuperSettingsDialog.h"

#include "platform/Cp1252.h"
#include "platform/WinPath.h"
#include "platform/qt/QtText.h"
#include "settings/SuperDialogConversions.h"
#include "settings/qt/QtFileChooser.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace qor {

namespace {

// [SECTION] Helpers

constexpr const char* kColourProperty = "windowsColour";
const std::string_view kRandomPage = "<nach Zufallsprinzip>";

std::int32_t SwapRedBlue(std::int32_t colour) {
    return (colour & 0x00FF00) | ((colour & 0xFF) << 16) | ((colour >> 16) & 0xFF);
}

QGroupBox* Group(QWidget* page, std::string_view title) {
    auto* group = new QGroupBox(ToQString(title), page);
    page->layout()->addWidget(group);
    new QVBoxLayout(group);
    return group;
}

QWidget* Page(QTabWidget* tabs, std::string_view title) {
    auto* page = new QWidget;
    new QVBoxLayout(page);
    tabs->addTab(page, ToQString(title));
    return page;
}

// A column of groups beside the others on a page (the dialog must fit an 800 × 600 screen, so the
// tallest tab puts its groups side by side).
QWidget* Column(QWidget* row) {
    auto* column = new QWidget(row);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    row->layout()->addWidget(column);
    return column;
}

// A font list a few lines high: the page around it stays small enough for the screen.
QListWidget* FontList(QWidget* group) {
    auto* list = new QListWidget(group);
    list->setMaximumHeight(140);
    return list;
}

// A slider with its value label and the words at both ends.
QSlider* AddSlider(QWidget* group, const char* name, int minimum, int maximum, std::string_view unit,
                   std::string_view low, std::string_view high) {
    auto* row = new QWidget(group);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(ToQString(low), row));
    auto* slider = new QSlider(Qt::Horizontal, row);
    slider->setObjectName(QString::fromLatin1(name));
    slider->setRange(minimum, maximum);
    layout->addWidget(slider, 1);
    layout->addWidget(new QLabel(ToQString(high), row));
    auto* value = new QLabel(row);
    value->setObjectName(QString::fromLatin1(name) + QStringLiteral("Label"));
    value->setMinimumWidth(60);
    layout->addWidget(value);
    if (!unit.empty())
        layout->addWidget(new QLabel(ToQString(unit), row));
    group->layout()->addWidget(row);
    return slider;
}

template <class T> T* Add(QWidget* group, T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    group->layout()->addWidget(widget);
    return widget;
}

QPushButton* AddColourButton(QWidget* group, const char* name, std::string_view caption,
                             std::string_view hint) {
    auto* button = Add(group, new QPushButton(ToQString(caption), group), name);
    if (!hint.empty())
        button->setToolTip(ToQString(hint));
    return button;
}

void ShowColour(QPushButton* button, std::int32_t windowsColour) {
    button->setProperty(kColourProperty, windowsColour);
    QColor colour(windowsColour & 0xFF, (windowsColour >> 8) & 0xFF, (windowsColour >> 16) & 0xFF);
    // The caption in black on light colours and in white on dark ones, so that it stays readable.
    const int brightness = (299 * colour.red() + 587 * colour.green() + 114 * colour.blue()) / 1000;
    const QColor caption = brightness >= 128 ? Qt::black : Qt::white;
    button->setStyleSheet(
        QStringLiteral("background-color: %1; color: %2").arg(colour.name(), caption.name()));
}

std::int32_t ShownColour(const QPushButton* button) {
    return button->property(kColourProperty).toInt();
}

void SelectText(QListWidget* list, const std::string& text) {
    auto found = list->findItems(ToQString(text), Qt::MatchFixedString);
    list->setCurrentItem(found.isEmpty() ? nullptr : found.front());
}

std::string CurrentText(const QListWidget* list) {
    return list->currentItem() ? FromQString(list->currentItem()->text()) : std::string();
}

std::vector<std::string> InstalledFonts(std::vector<std::string> offered) {
    if (!offered.empty())
        return offered;
    std::vector<std::string> fonts;
    for (const char* name : {"Andale Mono", "Arial", "Comic Sans MS", "Courier New", "Georgia", "Tahoma",
                             "Times New Roman", "Verdana"})
        if (CurrentFontService().IsInstalled(name))
            fonts.emplace_back(name);
    return fonts;
}

} // namespace

// [SECTION] Construction

TSuperSettingsDialog::TSuperSettingsDialog(TSuperOptions& options, SuperSettingsServices services,
                                           SuperSettingsTab firstTab, QWidget* parent)
    : QDialog(parent), m_options(options), m_services(std::move(services)), m_tabs(new QTabWidget(this)) {
    setWindowTitle(QStringLiteral("QOR Superlearning - Einstellungen"));
    auto* layout = new QVBoxLayout(this);
    // Every tab's caption shows; the dialog is wide enough for them.
    m_tabs->setUsesScrollButtons(false);
    layout->addWidget(m_tabs);
    BuildKlassisch();
    BuildAbgedreht();
    BuildTechnoOptik();
    BuildTechnoAnimation();
    BuildDD();
    BuildVegas();
    BuildAudio();

    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    auto* reset = new QPushButton(ToQString("&Zurücksetzen"_cp), this);
    reset->setObjectName(QStringLiteral("bReset"));
    buttons->addWidget(reset);
    buttons->addStretch(1);
    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("bOK"));
    ok->setDefault(true);
    buttons->addWidget(ok);
    auto* cancel = new QPushButton(QStringLiteral("&Abbrechen"), this);
    cancel->setObjectName(QStringLiteral("bCancel"));
    buttons->addWidget(cancel);
    connect(ok, &QPushButton::clicked, this, &TSuperSettingsDialog::Ok);
    connect(cancel, &QPushButton::clicked, this, &TSuperSettingsDialog::Cancel);
    connect(reset, &QPushButton::clicked, this, &TSuperSettingsDialog::Reset);

    FillControls();
    m_tabs->setCurrentIndex(static_cast<int>(firstTab));
    adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TSuperSettingsDialog::BuildKlassisch() {
    QWidget* page = Page(m_tabs, "klassisch");
    AddSlider(Group(page, " Überblendung "_cp), "sKlassik", 20, 500, "Schritte", "langsam", "schnell");
    auto* fonts = Group(page, " Schriftart ");
    Add(fonts, FontList(fonts), "lSchrift");
    auto* extra = Group(page, " Optionen ");
    Add(extra, new QCheckBox(ToQString("Schwarz-Weiß"_cp), extra), "cbSchwarzWeiss");
    Add(extra, new QCheckBox(QStringLiteral("ohne Hintergrund"), extra), "cbOhneHintergrund");
}

void TSuperSettingsDialog::BuildAbgedreht() {
    QWidget* page = Page(m_tabs, "abgedreht");
    auto* text = new QLabel(ToQString("Die Vokabeln erscheinen als bewegte, verzerrte Schrift."_cp), page);
    text->setWordWrap(true);
    page->layout()->addWidget(text);
    AddSlider(Group(page, " Geschwindigkeit "), "sFaktor", 50, 300, "Prozent", "schnell", "langsam");
    AddSlider(Group(page, " Textverzögerung "_cp), "sTextDelay", 0, 100, "Prozent", "keine", "viel");
    AddSlider(Group(page, " Abgedrehtheit "), "sMadness", 1, 10, "Stufe", "minimal", "maximal");
    auto* colours = Group(page, " Farben ");
    AddColourButton(colours, "bCarsonBGR", "Hintergrund:", "Nur relevant wenn Transparenz kleiner als 100%");
    AddColourButton(colours, "bCarsonTXT", "Schrift:", "");
}

void TSuperSettingsDialog::BuildTechnoOptik() {
    QWidget* page = Page(m_tabs, "techno - optik");
    auto* folder = Group(page, "Verzeichnis der Bilder:");
    auto* folderRow = new QWidget(folder);
    auto* folderLayout = new QHBoxLayout(folderRow);
    folderLayout->setContentsMargins(0, 0, 0, 0);
    folder->layout()->addWidget(folderRow);
    Add(folderRow, new QLineEdit(folderRow), "ePhotoDir");
    auto* browse =
        Add(folderRow, new QPushButton(QStringLiteral("Durchsuchen..."), folderRow), "bPhotoBrowse");
    connect(browse, &QPushButton::clicked, this, &TSuperSettingsDialog::BrowsePictures);
    auto* columns = new QWidget(page);
    auto* columnsLayout = new QHBoxLayout(columns);
    columnsLayout->setContentsMargins(0, 0, 0, 0);
    page->layout()->addWidget(columns);
    QWidget* left = Column(columns);
    QWidget* right = Column(columns);
    AddSlider(Group(left, "Transparenz: "), "sTransparenz", 0, 100, "Prozent", "", "");
    AddSlider(Group(left, "Rand: "), "sRand", 0, 200, "Pixel", "", "");
    auto* font = Group(left, "Schrift: ");
    Add(font, FontList(font), "lTechnoSchrift");
    auto* effect = Group(right, "Effekt: ");
    auto* effects = Add(effect, new QComboBox(effect), "cEffekt");
    for (std::string_view item :
         std::initializer_list<std::string_view>{"Normal", "Schwarz 1", "Schwarz 2", "Weiß 1"_cp, "Weiß 2"_cp,
                                                 "Monochome ", "Monochrome Neg.", "Farbe", "Farbe Neg."})
        effects->addItem(ToQString(item));
    auto* colours = Group(right, "Farben");
    AddColourButton(colours, "bTechnoBGR", "Hintergrund:", "");
    AddColourButton(colours, "bTechnoText", "Schrift:", "");
    AddColourButton(colours, "bTechnoBMP", "Bilder:", "nur relevant in einem Farb-Modus");
    auto* preview = Group(right, "Vorschau:");
    auto* area = Add(preview, new QLabel(preview), "pVorschau");
    area->setFixedSize(160, 100);

    for (const char* name : {"sTransparenz", "sRand"})
        connect(Control<QSlider>(name), &QSlider::valueChanged, this, [this] { UpdatePreview(); });
    connect(effects, &QComboBox::currentIndexChanged, this, [this] { UpdatePreview(); });
    connect(Control<QListWidget>("lTechnoSchrift"), &QListWidget::currentRowChanged, this,
            [this] { UpdatePreview(); });
    connect(Control<QLineEdit>("ePhotoDir"), &QLineEdit::textChanged, this, [this] { UpdatePreview(); });
}

void TSuperSettingsDialog::BuildTechnoAnimation() {
    QWidget* page = Page(m_tabs, "techno - animation");
    auto* background = Group(page, " Hintergrund ");
    Add(background, new QRadioButton(QStringLiteral("harter Schnitt"), background), "rbHart");
    Add(background, new QRadioButton(ToQString("Überblendung"_cp), background), "rbFading");
    QSlider* interval = AddSlider(background, "sFrameDelay", 1, 188, "", "schnell", "extrem langsam");
    QSlider* speed = AddSlider(background, "sSpeed", -23, 25, "", "", "");
    auto* warning = new QLabel(
        ToQString("Achtung: Harte, kurze Schnitte können bei empfindlichen Personen (Epileptikern) zu "
                  "gesundheitlichen Problemen führen! Benutzung auf eigene Verantwortung!!!"_cp),
        background);
    warning->setWordWrap(true);
    background->layout()->addWidget(warning);
    auto* text = Group(page, "Schrift: ");
    auto* textGroup = new QWidget(text);
    new QHBoxLayout(textGroup);
    text->layout()->addWidget(textGroup);
    Add(textGroup, new QRadioButton(QStringLiteral("bewegt"), textGroup), "rbBewegt");
    Add(textGroup, new QRadioButton(QStringLiteral("statisch"), textGroup), "rbStatisch");
    auto* delay = Add(text, new QComboBox(text), "cTextDelay");
    delay->setEditable(true);
    for (const std::string& item : TextIntervalItems(m_services.decimalSeparator))
        delay->addItem(ToQString(item));

    connect(interval, &QSlider::valueChanged, this, [this] {
        if (!m_filling)
            Control<QRadioButton>("rbHart")->setChecked(true);
        UpdateLabels();
    });
    connect(speed, &QSlider::valueChanged, this, [this] {
        if (!m_filling)
            Control<QRadioButton>("rbFading")->setChecked(true);
        UpdateLabels();
    });
}

void TSuperSettingsDialog::BuildDD() {
    QWidget* page = Page(m_tabs, "DD");
    AddSlider(Group(page, " Geschwindigkeit "), "sDDText", 10, 100, "", "schnell", "langsam");
    AddSlider(Group(page, " Textverzögerung "_cp), "sDDChar", 0, 100, "", "keine", "viel");
    auto* background = Group(page, " Hintergrund: ");
    Add(background, new QComboBox(background), "cDDPage");
    auto* automatic =
        Add(background, new QCheckBox(QStringLiteral("automatisch abwechseln:"), background), "cbAuto");
    background->layout()->addWidget(new QLabel(QStringLiteral("Intervall:"), background));
    auto* intervals = Add(background, new QComboBox(background), "cDDInterval");
    for (const std::string& item : DDIntervalItems())
        intervals->addItem(ToQString(item));
    connect(automatic, &QCheckBox::toggled, this, [intervals](bool on) {
        intervals->setEnabled(on);
        if (on && intervals->currentIndex() < 0)
            intervals->setCurrentIndex(0);
    });
}

void TSuperSettingsDialog::BuildVegas() {
    QWidget* page = Page(m_tabs, "las vegas");
    AddSlider(Group(page, " Geschwindigkeit "), "sVegas", 20, 180, "", "langsam", "schnell");
}

void TSuperSettingsDialog::BuildAudio() {
    QWidget* page = Page(m_tabs, "audio");
    Add(page, new QCheckBox(QStringLiteral("Sprachausgabe (CD-ROM erforderlich)"), page), "cbSprache");
    auto* music = Group(page, "Musik:");
    Add(music, new QRadioButton(QStringLiteral("Keine"), music), "rbKeine");
    Add(music, new QRadioButton(QStringLiteral("Audio-CD "), music), "rbCD");
    Add(music, new QRadioButton(QStringLiteral("MP3"), music), "rbMP3");
    auto* folder = Group(page, "Verzeichnis:");
    Add(folder, new QLineEdit(folder), "eMP3");
    auto* browse = Add(folder, new QPushButton(QStringLiteral("Durchsuchen..."), folder), "bMP3Browse");
    auto* test = Add(folder, new QPushButton(QStringLiteral("Testen"), folder), "bTesten");
    page->layout()->addWidget(new QLabel(QStringLiteral("Status:"), page));
    Add(page, new QLabel(page), "lStatus");
    connect(browse, &QPushButton::clicked, this, &TSuperSettingsDialog::BrowseMp3);
    connect(test, &QPushButton::clicked, this, &TSuperSettingsDialog::TestMusic);

    for (const char* name : {"sKlassik", "sDDText", "sDDChar", "sVegas", "sFaktor", "sTextDelay", "sMadness",
                             "sTransparenz", "sRand"})
        connect(Control<QSlider>(name), &QSlider::valueChanged, this, [this] { UpdateLabels(); });
    for (const char* name : {"bCarsonBGR", "bCarsonTXT", "bTechnoBGR", "bTechnoText", "bTechnoBMP"}) {
        QPushButton* button = Control<QPushButton>(name);
        connect(button, &QPushButton::clicked, this, [this, button] { PickColour(button); });
    }
}

// [SECTION] Controls

void TSuperSettingsDialog::FillControls() {
    m_filling = true;
    const TSuperOptions& o = m_options;
    Control<QSlider>("sKlassik")->setValue(o.Integer(SuperInt::KlassikFaktor));
    std::vector<std::string> fonts = InstalledFonts(m_services.fonts);
    for (const char* name : {"lSchrift", "lTechnoSchrift"}) {
        QListWidget* list = Control<QListWidget>(name);
        list->clear();
        for (const std::string& font : fonts)
            list->addItem(ToQString(font));
    }
    SelectText(Control<QListWidget>("lSchrift"), o.Text(SuperText::Schrift));
    SelectText(Control<QListWidget>("lTechnoSchrift"), o.Text(SuperText::TechnoSchrift));
    Control<QCheckBox>("cbSchwarzWeiss")->setChecked(o.Flag(SuperFlag::SchwarzWeiss));
    Control<QCheckBox>("cbOhneHintergrund")->setChecked(o.Flag(SuperFlag::OhneHintergrund));

    Control<QSlider>("sFaktor")->setValue(o.Integer(SuperInt::Faktor));
    Control<QSlider>("sTextDelay")->setValue(o.Integer(SuperInt::TextDelay));
    Control<QSlider>("sMadness")->setValue(o.Integer(SuperInt::Madness));
    ShowColour(Control<QPushButton>("bCarsonBGR"), o.Colour(SuperColour::CarsonBGRColor));
    ShowColour(Control<QPushButton>("bCarsonTXT"), o.Colour(SuperColour::CarsonTXTColor));

    Control<QLineEdit>("ePhotoDir")->setText(ToQString(o.Text(SuperText::TechnoPhotoDir)));
    Control<QSlider>("sTransparenz")->setValue(o.Integer(SuperInt::TechnoTransparenz));
    Control<QSlider>("sRand")->setValue(o.Integer(SuperInt::TechnoRand));
    Control<QComboBox>("cEffekt")->setCurrentIndex(o.Integer(SuperInt::TechnoMode));
    ShowColour(Control<QPushButton>("bTechnoBGR"), SwapRedBlue(o.Colour(SuperColour::TechnoBGRColor)));
    ShowColour(Control<QPushButton>("bTechnoText"), SwapRedBlue(o.Colour(SuperColour::TechnoTextColor)));
    ShowColour(Control<QPushButton>("bTechnoBMP"), SwapRedBlue(o.Colour(SuperColour::TechnoBMPColor)));

    Control<QSlider>("sFrameDelay")->setValue(PictureIntervalPosition(o.Integer(SuperInt::TechnoFrameDelay)));
    Control<QSlider>("sSpeed")->setValue(o.Integer(SuperInt::TechnoSpeed));
    Control<QRadioButton>(o.Flag(SuperFlag::TechnoFading) ? "rbFading" : "rbHart")->setChecked(true);
    Control<QRadioButton>(o.Flag(SuperFlag::TechnoScrolling) ? "rbBewegt" : "rbStatisch")->setChecked(true);
    QComboBox* textDelay = Control<QComboBox>("cTextDelay");
    QString delay =
        ToQString(TextIntervalText(o.Integer(SuperInt::TechnoTextDelay), m_services.decimalSeparator));
    int delayIndex = textDelay->findText(delay);
    if (delayIndex >= 0)
        textDelay->setCurrentIndex(delayIndex);
    else
        textDelay->setEditText(delay);

    Control<QSlider>("sDDText")->setValue(o.Integer(SuperInt::DDTextDelay) / 100);
    Control<QSlider>("sDDChar")->setValue(o.Integer(SuperInt::DDCharDelay));
    QComboBox* pages = Control<QComboBox>("cDDPage");
    pages->clear();
    pages->addItem(ToQString(kRandomPage));
    std::vector<std::string> names = o.DDPages();
    std::sort(names.begin(), names.end());
    for (const std::string& name : names)
        pages->addItem(ToQString(name));
    // The option holds the page as stored by "OK" (folder + name + ".htx") or as a bare name.
    std::string page = o.Text(SuperText::DD);
    if (StartsWithInsensitive(page, o.DDFolder()))
        page = page.substr(o.DDFolder().size());
    if (page.size() > 4 && LowerCp1252(page.substr(page.size() - 4)) == ".htx")
        page.resize(page.size() - 4);
    int pageIndex =
        !page.empty() && FileExists(o.DDFolder() + page + ".htx") ? pages->findText(ToQString(page)) : -1;
    pages->setCurrentIndex(std::max(0, pageIndex));
    int seconds = o.Integer(SuperInt::DDBGRDelay);
    QComboBox* intervals = Control<QComboBox>("cDDInterval");
    intervals->setCurrentIndex(seconds != 0 ? intervals->findText(ToQString(DDIntervalText(seconds))) : -1);
    Control<QCheckBox>("cbAuto")->setChecked(seconds != 0);
    intervals->setEnabled(seconds != 0);

    Control<QSlider>("sVegas")->setValue(o.Integer(SuperInt::VegasFaktor));

    Control<QCheckBox>("cbSprache")->setChecked(o.Flag(SuperFlag::Sprachausgabe));
    int music = o.Integer(SuperInt::Musik);
    Control<QRadioButton>(music == kMusicAudioCd ? "rbCD"
                          : music == kMusicMp3   ? "rbMP3"
                                                 : "rbKeine")
        ->setChecked(true);
    Control<QLineEdit>("eMP3")->setText(ToQString(o.Text(SuperText::MP3)));
    Control<QLabel>("lStatus")->setText(QString::number(o.Mp3Files().size()) +
                                        QStringLiteral(" MP3-Dateien"));
    m_filling = false;
    UpdateLabels();
    UpdatePreview();
}

void TSuperSettingsDialog::StoreControls() {
    TSuperOptions& o = m_options;
    o.SetInteger(SuperInt::KlassikFaktor, Control<QSlider>("sKlassik")->value());
    if (std::string font = CurrentText(Control<QListWidget>("lSchrift")); !font.empty())
        o.SetText(SuperText::Schrift, font);
    o.SetFlag(SuperFlag::SchwarzWeiss, Control<QCheckBox>("cbSchwarzWeiss")->isChecked());
    o.SetFlag(SuperFlag::OhneHintergrund, Control<QCheckBox>("cbOhneHintergrund")->isChecked());

    o.SetInteger(SuperInt::Faktor, Control<QSlider>("sFaktor")->value());
    o.SetInteger(SuperInt::TextDelay, Control<QSlider>("sTextDelay")->value());
    o.SetInteger(SuperInt::Madness, Control<QSlider>("sMadness")->value());
    o.SetColour(SuperColour::CarsonBGRColor, ShownColour(Control<QPushButton>("bCarsonBGR")));
    o.SetColour(SuperColour::CarsonTXTColor, ShownColour(Control<QPushButton>("bCarsonTXT")));

    o.SetInteger(SuperInt::TechnoTransparenz, Control<QSlider>("sTransparenz")->value());
    if (std::string font = CurrentText(Control<QListWidget>("lTechnoSchrift")); !font.empty())
        o.SetText(SuperText::TechnoSchrift, font);
    o.SetInteger(SuperInt::TechnoRand, Control<QSlider>("sRand")->value());
    o.SetInteger(SuperInt::TechnoMode, std::max(0, Control<QComboBox>("cEffekt")->currentIndex()));
    o.SetColour(SuperColour::TechnoBGRColor, SwapRedBlue(ShownColour(Control<QPushButton>("bTechnoBGR"))));
    o.SetColour(SuperColour::TechnoTextColor, SwapRedBlue(ShownColour(Control<QPushButton>("bTechnoText"))));
    o.SetColour(SuperColour::TechnoBMPColor, SwapRedBlue(ShownColour(Control<QPushButton>("bTechnoBMP"))));

    o.SetFlag(SuperFlag::TechnoFading, Control<QRadioButton>("rbFading")->isChecked());
    o.SetInteger(SuperInt::TechnoFrameDelay, PictureIntervalMs(Control<QSlider>("sFrameDelay")->value()));
    o.SetInteger(SuperInt::TechnoSpeed, Control<QSlider>("sSpeed")->value());
    o.SetFlag(SuperFlag::TechnoScrolling, Control<QRadioButton>("rbBewegt")->isChecked());
    o.SetInteger(SuperInt::TechnoTextDelay,
                 TextIntervalMs(FromQString(Control<QComboBox>("cTextDelay")->currentText()),
                                m_services.decimalSeparator));

    o.SetInteger(SuperInt::DDTextDelay, Control<QSlider>("sDDText")->value() * 100);
    o.SetInteger(SuperInt::DDCharDelay, Control<QSlider>("sDDChar")->value());
    QComboBox* pages = Control<QComboBox>("cDDPage");
    o.SetText(SuperText::DD, pages->currentIndex() <= 0
                                 ? std::string()
                                 : o.DDFolder() + FromQString(pages->currentText()) + ".htx");
    o.SetInteger(SuperInt::DDBGRDelay,
                 Control<QCheckBox>("cbAuto")->isChecked()
                     ? DDIntervalSeconds(FromQString(Control<QComboBox>("cDDInterval")->currentText()))
                     : 0);

    o.SetInteger(SuperInt::VegasFaktor, Control<QSlider>("sVegas")->value());

    o.SetFlag(SuperFlag::Sprachausgabe, Control<QCheckBox>("cbSprache")->isChecked());
    if (Control<QRadioButton>("rbCD")->isChecked())
        o.SetMusik(kMusicAudioCd);
    else if (Control<QRadioButton>("rbMP3")->isChecked() && !o.Mp3Files().empty())
        o.SetMusik(kMusicMp3);
    else
        o.SetMusik(kMusicNone);
}

void TSuperSettingsDialog::UpdateLabels() {
    auto label = [this](const char* slider) {
        return findChild<QLabel*>(QString::fromLatin1(slider) + QStringLiteral("Label"));
    };
    for (const char* name :
         {"sKlassik", "sFaktor", "sTextDelay", "sMadness", "sTransparenz", "sRand", "sSpeed"})
        label(name)->setText(QString::number(Control<QSlider>(name)->value()));
    label("sFrameDelay")
        ->setText(
            ToQString(PictureIntervalLabel(PictureIntervalMs(Control<QSlider>("sFrameDelay")->value()))));
    label("sDDText")->setText(ToQString(DDTextDelayLabel(Control<QSlider>("sDDText")->value())));
    label("sDDChar")->setText(ToQString(DDCharDelayLabel(Control<QSlider>("sDDChar")->value())));
    label("sVegas")->setText(ToQString(VegasLabel(Control<QSlider>("sVegas")->value())));
}

void TSuperSettingsDialog::UpdatePreview() {
    if (m_filling)
        return;
    TechnoPreview preview;
    preview.background = SwapRedBlue(ShownColour(Control<QPushButton>("bTechnoBGR")));
    preview.text = SwapRedBlue(ShownColour(Control<QPushButton>("bTechnoText")));
    preview.picture = SwapRedBlue(ShownColour(Control<QPushButton>("bTechnoBMP")));
    std::string folder = FromQString(Control<QLineEdit>("ePhotoDir")->text());
    preview.pictureFolder = folder.empty() ? folder : WithTrailingSeparator(folder);
    preview.hasPreviewPicture = !folder.empty() && FileExists(preview.pictureFolder + "vorschau.jpg");
    preview.effect = std::max(0, Control<QComboBox>("cEffekt")->currentIndex());
    preview.transparency = Control<QSlider>("sTransparenz")->value();
    preview.frame = Control<QSlider>("sRand")->value();
    preview.previewHeight = Control<QLabel>("pVorschau")->height();
    preview.font = CurrentText(Control<QListWidget>("lTechnoSchrift"));
    m_preview = TechnoPreviewMarkup(preview);
    if (m_services.showPreview)
        m_services.showPreview(m_preview);
}

// [SECTION] Buttons

MediaCommandSender& TSuperSettingsDialog::Media() const {
    return m_services.media ? *m_services.media : CurrentMediaCommandSender();
}

void TSuperSettingsDialog::Ok() {
    std::string mp3Field = FromQString(Control<QLineEdit>("eMP3")->text());
    m_options.SetMp3Folder(mp3Field);
    m_options.SetPictureFolder(FromQString(Control<QLineEdit>("ePhotoDir")->text()));
    if (!mp3Field.empty() && m_options.Text(SuperText::MP3).empty())
        return; // the learner corrects the folder first
    StopTestMusic();
    StoreControls();
    accept();
}

void TSuperSettingsDialog::Cancel() {
    StopTestMusic();
    reject();
}

void TSuperSettingsDialog::Reset() {
    m_options.ResetToDefaults();
    FillControls();
}

void TSuperSettingsDialog::StopTestMusic() {
    QPushButton* test = Control<QPushButton>("bTesten");
    if (test->text() != QStringLiteral("Stop"))
        return;
    Media().Send("stop mp3");
    Media().Send("close mp3");
    test->setText(QStringLiteral("Testen"));
}

void TSuperSettingsDialog::TestMusic() {
    QPushButton* test = Control<QPushButton>("bTesten");
    QLabel* status = Control<QLabel>("lStatus");
    QString count = QString::number(m_options.Mp3Files().size()) + QStringLiteral(" MP3-Dateien");
    if (test->text() == QStringLiteral("Stop")) {
        test->setText(QStringLiteral("Testen"));
        status->setText(count);
    }
    MediaCommandSender& media = Media();
    if (!media.Send("status mp3 mode").starts_with("play")) {
        m_options.SetMp3Folder(FromQString(Control<QLineEdit>("eMP3")->text()));
        Control<QLineEdit>("eMP3")->setText(ToQString(m_options.Text(SuperText::MP3)));
        if (!m_options.Mp3Files().empty()) {
            media.Send("open \"" + m_options.NextMp3File() + "\" alias mp3");
            media.Send("play mp3");
            test->setText(QStringLiteral("Stop"));
            status->setText(ToQString("Es sollte nun Musik zu hören sein."_cp));
        } else {
            status->setText(QString::number(m_options.Mp3Files().size()) + QStringLiteral(" MP3-Dateien"));
        }
    } else {
        media.Send("stop mp3");
        media.Send("close mp3");
    }
}

void TSuperSettingsDialog::BrowsePictures() {
    QtFileChooser onScreen(this);
    FileChooser& chooser = m_services.chooser ? *m_services.chooser : onScreen;
    FileChoiceRequest request;
    request.startFolder = m_options.Text(SuperText::TechnoPhotoDir).empty()
                              ? FolderPart(m_options.Text(SuperText::MP3))
                              : m_options.Text(SuperText::TechnoPhotoDir);
    request.filter = "Bilder (800 x 534 Pixel - JPG/BMP)|*.JPG;*.BMP";
    if (auto chosen = chooser.ChooseFile(request))
        Control<QLineEdit>("ePhotoDir")->setText(ToQString(FolderPart(*chosen)));
}

void TSuperSettingsDialog::BrowseMp3() {
    QtFileChooser onScreen(this);
    FileChooser& chooser = m_services.chooser ? *m_services.chooser : onScreen;
    FileChoiceRequest request;
    std::string field = FromQString(Control<QLineEdit>("eMP3")->text());
    request.startFolder = field;
    request.filter = "MP3-Dateien|*.MP3";
    if (auto chosen = chooser.ChooseFile(request))
        Control<QLineEdit>("eMP3")->setText(ToQString(FolderPart(*chosen)));
}

void TSuperSettingsDialog::PickColour(QPushButton* button) {
    std::int32_t current = ShownColour(button);
    std::optional<std::int32_t> chosen;
    if (m_services.chooseColour) {
        chosen = m_services.chooseColour(current);
    } else {
        QColor picked = QColorDialog::getColor(
            QColor(current & 0xFF, (current >> 8) & 0xFF, (current >> 16) & 0xFF), this);
        if (picked.isValid())
            chosen = picked.red() | (picked.green() << 8) | (picked.blue() << 16);
    }
    if (!chosen)
        return;
    ShowColour(button, *chosen);
    UpdatePreview();
}

} // namespace qor
