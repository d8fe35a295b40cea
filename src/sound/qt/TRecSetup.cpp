#include "sound/qt/TRecSetup.h"

#include "platform/Cp1252.h"
#include "platform/qt/QtText.h"
#include "sound/RecordingFormat.h"
#include "sound/tWaveRec.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qor {

namespace {

QGroupBox* Group(std::string_view title, std::initializer_list<QRadioButton*> buttons) {
    auto* group = new QGroupBox(ToQString(title));
    auto* layout = new QVBoxLayout(group);
    for (QRadioButton* button : buttons)
        layout->addWidget(button);
    return group;
}

} // namespace

TRecSetup::TRecSetup(tWaveRec& recorder, QWidget* parent) : QDialog(parent), m_recorder(recorder) {
    setWindowTitle(ToQString("Aufnahme-Einstellungen"));
    m_bits8 = new QRadioButton(ToQString("8 Bit"));
    m_bits16 = new QRadioButton(ToQString("16 Bit"));
    m_rate11 = new QRadioButton(ToQString("11 kHz"));
    m_rate22 = new QRadioButton(ToQString("22 kHz"));
    m_rate44 = new QRadioButton(ToQString("44 kHz"));
    m_mono = new QRadioButton(ToQString("Mono"));
    m_stereo = new QRadioButton(ToQString("Stereo"));

    auto* groups = new QHBoxLayout;
    groups->addWidget(Group(" Auflösung "_cp, {m_bits8, m_bits16}));
    groups->addWidget(Group(" Sample-Rate ", {m_rate11, m_rate22, m_rate44}));
    groups->addWidget(Group(" Aufnahme in ", {m_mono, m_stereo}));

    m_speech = new QCheckBox(ToQString("Sprachausgabe für Wörter ohne Aufnahme"_cp));
    m_speech->setChecked(ReadSpeechForUnrecorded(m_recorder.SettingsRegistry()));

    auto* ok = new QPushButton(ToQString("&OK"));
    auto* cancel = new QPushButton(ToQString("&Abbrechen"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] {
        Apply();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addWidget(m_speech);
    layout->addLayout(buttons);

    if (!m_recorder.SettingsLoaded())
        m_recorder.LoadSettings();
    const RecordingFormat& format = m_recorder.Format();
    (format.bits == 8 ? m_bits8 : m_bits16)->setChecked(true);
    (format.rate == 11025 ? m_rate11 : format.rate == 22050 ? m_rate22 : m_rate44)->setChecked(true);
    (format.channels == 2 ? m_stereo : m_mono)->setChecked(true);
    m_recorder.ResetDevice();
}

void TRecSetup::Apply() {
    RecordingFormat format;
    format.bits = m_bits16->isChecked() ? 16 : 8;
    format.rate = m_rate11->isChecked() ? 11025 : m_rate22->isChecked() ? 22050 : 44100;
    format.channels = m_stereo->isChecked() ? 2 : 1;
    m_recorder.SetFormat(format);
    m_recorder.ApplyFormat();
    m_recorder.WriteSettings();
    WriteSpeechForUnrecorded(m_recorder.SettingsRegistry(), m_speech->isChecked());
}

} // namespace qor
