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

std::optional<std::string> QtFileChooser::ChooseFile(const FileChoiceRequest& request) {
    QString start = request.startFolder.empty()
                        ? QString()
                        : QString::fromStdString(NativePath(request.startFolder).string());
    QString proposed = ToQString(FileNamePart(request.proposedName));
    if (!proposed.isEmpty() && !proposed.contains(QLatin1Char('*')))
        start = start.isEmpty() ? proposed : start + QLatin1Char('/') + proposed;
    QString chosen = QFileDialog::getOpenFileName(m_parent, QString(), start, QtNameFilters(request.filter));
    if (chosen.isEmpty())
        return std::nullopt;
    return ProgramPath(std::filesystem::path(chosen.toStdString()));
}

} // namespace qor
