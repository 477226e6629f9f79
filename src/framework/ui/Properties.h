#pragma once

#include "Color.h"

#include <QMetaType>
#include <QString>
#include <QVariant>

#include <vector>

Q_DECLARE_METATYPE(Color)

namespace fw {

/// @brief One design-time property: a framework property name and its value.
struct Property {
    Property(QString propertyName, QVariant propertyValue)
        : name(std::move(propertyName)), value(std::move(propertyValue))
    {
    }
    Property(QString propertyName, Color color)
        : name(std::move(propertyName)), value(QVariant::fromValue(color))
    {
    }

    QString name;
    QVariant value;
};

/// @brief Design-time properties, applied in list order. Names match regardless of letter
/// case; names a window or control does not know are ignored.
using PropertyList = std::vector<Property>;

/// @brief Whether property name @p name is @p expected, regardless of letter case.
inline bool IsProperty(const QString& name, const char* expected)
{
    return name.compare(QLatin1String(expected), Qt::CaseInsensitive) == 0;
}

/// @brief A property value as a colour: a Color, or a number taken as 0xRRGGBB.
inline Color ColorValue(const QVariant& value)
{
    if (value.metaType() == QMetaType::fromType<Color>()) {
        return value.value<Color>();
    }
    return Color{static_cast<std::uint32_t>(value.toLongLong()) & 0xFFFFFFu};
}

} // namespace fw
