#include "settings/qt/QtFileChooser.h"

#include "platform/WinPath.h"
#include "platform/qt/QtText.h"

#include <QFileDialog>
#include <QStringList>

namespace qor {

QString QtNameFilters(const std::string& filter) {
    QStringList parts = ToQString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

namespace {

// The folder the dialog opens in, with the proposed name when it is a name and not a pattern.
QString DialogStart(const FileChoiceRequest& request) {
    QString start = request.startFolder.empty()
                        ? QString()
                        : QString::fromStdString(NativePath(request.startFolder).string());
    const QString proposed = ToQString(FileNamePart(request.proposedName));
    if (!proposed.isEmpty() && !proposed.contains(QLatin1Char('*')))
        start = start.isEmpty() ? proposed : start + QLatin1Char('/') + proposed;
    return start;
}

std::optional<std::string> Chosen(const QString& chosen) {
    if (chosen.isEmpty())
        return std::nullopt;
    return ProgramPath(std::filesystem::path(chosen.toStdString()));
}

} // namespace

std::optional<std::string> QtFileChooser::ChooseFile(const FileChoiceRequest& request) {
    return Chosen(QFileDialog::getOpenFileName(m_parent, ToQString(request.title), DialogStart(request),
                                               QtNameFilters(request.filter)));
}

std::optional<std::string> QtSaveFileChooser::ChooseFile(const FileChoiceRequest& request) {
    return Chosen(QFileDialog::getSaveFileName(m_parent, ToQString(request.title), DialogStart(request),
                                               QtNameFilters(request.filter)));
}

} // namespace qor
