#pragma once
// Lets GoogleTest print Qt values (and lists of them) and our enumerations readably in failure
// messages.
#include <QColor>
#include <QFlags>
#include <QRect>
#include <QSize>
#include <QString>
#include <ostream>
#include <type_traits>

// A scoped enumeration prints as its number: the item index of a choice, the index of an area.
template <typename E,
          std::enable_if_t<std::is_enum_v<E> && !std::is_convertible_v<E, int>, int> = 0>
std::ostream& operator<<(std::ostream& os, E value)
{
    return os << static_cast<long long>(static_cast<std::underlying_type_t<E>>(value));
}

template <typename E> void PrintTo(QFlags<E> flags, std::ostream* os)
{
    *os << flags.toInt();
}

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

inline void PrintTo(const QSize& s, std::ostream* os)
{
    *os << s.width() << " x " << s.height();
}

inline void PrintTo(const QPoint& p, std::ostream* os)
{
    *os << '(' << p.x() << ", " << p.y() << ')';
}

inline void PrintTo(const QRect& r, std::ostream* os)
{
    *os << '(' << r.x() << ", " << r.y() << ") " << r.width() << " x " << r.height();
}

inline void PrintTo(const QColor& c, std::ostream* os)
{
    *os << c.name().toStdString();
}
