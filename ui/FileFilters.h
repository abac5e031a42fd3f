#pragma once

#include <QCoreApplication>
#include <QString>

namespace orvane {

// The file dialogs' filters, "description|pattern".
inline QString mazeFileFilter()
{
    return QCoreApplication::translate("FileFilters", "迷路ファイル(*.mdt)|*.mdt");
}

inline QString midiFileFilter()
{
    return QCoreApplication::translate("FileFilters", "Midiファイル(*.mid)|*.mid");
}

} // namespace orvane
