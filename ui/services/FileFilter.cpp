#include "FileFilter.h"

namespace orvane {

namespace {

const QString MatchAll = QStringLiteral("*");

QStringList splitPatterns(const QString& text)
{
    QStringList patterns;
    for (const QString& part : text.split(u';')) {
        const QString pattern = part.trimmed();
        if (!pattern.isEmpty())
            patterns << pattern;
    }
    return patterns;
}

} // namespace

QList<FileFilter> parseFileFilter(const QString& text)
{
    QList<FileFilter> filters;
    const QStringList parts = text.split(u'|');
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        FileFilter filter{parts[i].trimmed(), {}};
        if (i + 1 < parts.size())
            filter.patterns = splitPatterns(parts[i + 1]);
        if (filter.description.isEmpty() && filter.patterns.isEmpty())
            continue;
        if (filter.patterns.isEmpty())
            filter.patterns << MatchAll;
        if (filter.description.isEmpty())
            filter.description = filter.patterns.join(u';');
        filters << filter;
    }
    return filters;
}

QString qtNameFilter(const FileFilter& filter)
{
    return filter.description + QStringLiteral(" (") + filter.patterns.join(u' ') + u')';
}

QString defaultSuffix(const FileFilter& filter)
{
    static const QString Prefix = QStringLiteral("*.");
    if (filter.patterns.isEmpty())
        return {};
    const QString& first = filter.patterns.first();
    if (!first.startsWith(Prefix))
        return {};
    const QString suffix = first.mid(Prefix.size());
    const bool plain = !suffix.isEmpty() && !suffix.contains(u'*') && !suffix.contains(u'?') &&
                       !suffix.contains(u'[');
    return plain ? suffix : QString();
}

} // namespace orvane
