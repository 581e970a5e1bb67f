// Where a host keeps a control's saved properties between runs. A key equal to
// its default is left out, so a bag holds only what differs from a new control.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include "dmeterx_export.h"

namespace dmeterx {

class DMETERX_EXPORT property_bag {
public:
    // The stored value, or the default when the key is missing.
    QVariant read(const QString& key, const QVariant& fallback) const;
    // Stores the value, or removes the key when the value equals the default.
    void write(const QString& key, const QVariant& value, const QVariant& fallback);

    bool contains(const QString& key) const { return values_.contains(key); }
    QStringList keys() const { return values_.keys(); }
    bool empty() const { return values_.isEmpty(); }

    // A byte form the host can store in its window description.
    QByteArray to_bytes() const;
    // An empty bag for bytes that are not a stored bag.
    static property_bag from_bytes(const QByteArray& bytes);

private:
    QVariantMap values_;
};

}  // namespace dmeterx
