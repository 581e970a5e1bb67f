#include "property_bag.h"

#include <QDataStream>
#include <QIODevice>

namespace dmeterx {

namespace {
constexpr quint32 kBagTag = 0x444d5042;  // marks a stored bag ("DMPB")
}

QVariant property_bag::read(const QString& key, const QVariant& fallback) const {
    const auto found = values_.constFind(key);
    return found == values_.constEnd() ? fallback : found.value();
}

void property_bag::write(const QString& key, const QVariant& value, const QVariant& fallback) {
    if (value == fallback) {
        values_.remove(key);
    } else {
        values_.insert(key, value);
    }
}

QByteArray property_bag::to_bytes() const {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << kBagTag << values_;
    return bytes;
}

property_bag property_bag::from_bytes(const QByteArray& bytes) {
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 tag = 0;
    QVariantMap values;
    in >> tag >> values;
    property_bag bag;
    if (in.status() == QDataStream::Ok && tag == kBagTag) bag.values_ = values;
    return bag;
}

}  // namespace dmeterx
