#pragma once
// "Aufnahme-Einstellungen": the recording format of the program-wide recorder (resolution, sample
// rate, mono or stereo). Opening it resets the recorder's device; "&OK" applies the format and
// writes it to the registry, with the choice whether texts without a recording are spoken.

#include <QDialog>

class QCheckBox;
class QRadioButton;

namespace qor {

class tWaveRec;

class TRecSetup : public QDialog {
    Q_OBJECT
public:
    // Reads the recorder's settings from the registry when it has not done so yet.
    explicit TRecSetup(tWaveRec& recorder, QWidget* parent = nullptr);

    QRadioButton* Bits8() const { return m_bits8; }
    QRadioButton* Bits16() const { return m_bits16; }
    QRadioButton* Rate11() const { return m_rate11; }
    QRadioButton* Rate22() const { return m_rate22; }
    QRadioButton* Rate44() const { return m_rate44; }
    QRadioButton* Mono() const { return m_mono; }
    QRadioButton* Stereo() const { return m_stereo; }
    QCheckBox* Speech() const { return m_speech; }

    // What "&OK" does (also reachable without a click).
    void Apply();

private:
    tWaveRec& m_recorder;
    QRadioButton* m_bits8;
    QRadioButton* m_bits16;
    QRadioButton* m_rate11;
    QRadioButton* m_rate22;
    QRadioButton* m_rate44;
    QRadioButton* m_mono;
    QRadioButton* m_stereo;
    QCheckBox* m_speech;
};

} // namespace qor
