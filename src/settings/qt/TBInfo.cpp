#include "settings/qt/TBInfo.h"

#include "platform/Cp1252.h"
#include "platform/qt/QtText.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <numeric>

namespace qor {

namespace {

struct Row {
    std::string_view caption;
    std::string name;
    int (*value)(const BInfoCounts&, int);
    int index = 0;
};

QLabel* ValueLabel(const std::string& name, int value) {
    auto* label = new QLabel(QString::number(value));
    label->setObjectName(QString::fromStdString(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(60);
    return label;
}

// A group with one caption column and one value column per direction.
QGroupBox* Group(std::string_view title, const std::vector<Row>& rows, const BInfoTable& table) {
    auto* group = new QGroupBox(ToQString(title));
    auto* grid = new QGridLayout(group);
    grid->setColumnStretch(0, 1);
    grid->addWidget(new QLabel(ToQString("Französisch-Deutsch"_cp)), 0, 1, Qt::AlignRight);
    grid->addWidget(new QLabel(ToQString("Deutsch-Französisch"_cp)), 0, 2, Qt::AlignRight);
    int line = 1;
    for (const Row& row : rows) {
        grid->addWidget(new QLabel(ToQString(row.caption)), line, 0);
        grid->addWidget(ValueLabel("FD" + row.name, row.value(table.franzoesischDeutsch, row.index)), line,
                        1);
        grid->addWidget(ValueLabel("DF" + row.name, row.value(table.deutschFranzoesisch, row.index)), line,
                        2);
        ++line;
    }
    return group;
}

} // namespace

TBInfo::TBInfo(const BInfoTable& table, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Infos zur Bibliothek"));
    const auto wortart = [](const BInfoCounts& c, int i) { return c.wortarten[static_cast<std::size_t>(i)]; };
    const auto schwer = [](const BInfoCounts& c, int i) {
        return c.difficulties[static_cast<std::size_t>(i)];
    };
    const std::vector<Row> wortarten = {
        {"Nomen:", "Wortart0", wortart, 0},
        {"Verben:", "Wortart1", wortart, 1},
        {"Adjektive:", "Wortart2", wortart, 2},
        {"Kleine Wörter:"_cp, "Wortart3", wortart, 3},
        {"Redew. mit Verb:", "Wortart4", wortart, 4},
        {"Redew. ohne Verb:", "Wortart5", wortart, 5},
        {"Vokabeln gesamt:", "Gesamt", [](const BInfoCounts& c, int) { return c.total; }},
        {"davon mit Kontext(en):", "Kontext", [](const BInfoCounts& c, int) { return c.withContext; }},
    };
    const std::vector<Row> difficulties = {
        {"Baby:", "Schwer0", schwer, 0},
        {"Leicht:", "Schwer1", schwer, 1},
        {"Mittel:", "Schwer2", schwer, 2},
        {"Schwierig:", "Schwer3", schwer, 3},
        {"Tödlich:"_cp, "Schwer4", schwer, 4},
        {"Vokabeln gesamt:", "SchwerGesamt",
         [](const BInfoCounts& c, int) {
             return std::accumulate(c.difficulties.begin(), c.difficulties.end(), 0);
         }},
    };
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Group("Wortarten", wortarten, table));
    layout->addWidget(Group("Schwierigkeitsgrade", difficulties, table));
    auto* ok = new QPushButton(QStringLiteral("&OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
}

} // namespace qor
