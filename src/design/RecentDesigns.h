#pragma once
// The designs saved or opened last, most recent first, kept in a small text file (one path a
// line, UTF-8) so that the Files menu can offer them in the next run. The list is read only
// when the menu is opened: the window itself always starts from its defaults.
#include <QString>
#include <QStringList>

constexpr int RecentDesignCount = 4;

// "$XDG_STATE_HOME/Talmiro Inc/recent-designs" ($HOME/.local/state when that is not set).
QString recentDesignsFile();

// The list as kept; an unreadable or missing file is an empty list.
QStringList readRecentDesigns(const QString& listFile);

// Puts `design` first (as an absolute path, once), keeps RecentDesignCount of them, writes the
// list and returns it. A list that cannot be written is not worth an error box: the design
// itself was saved or opened.
QStringList rememberRecentDesign(const QString& listFile, const QString& design);
QStringList forgetRecentDesign(const QString& listFile, const QString& design);
