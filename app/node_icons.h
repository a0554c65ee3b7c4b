// NodeIcons: the eight small pictures of the chart's nodes, by image key.
#pragma once

#include <QIcon>
#include <QImage>
#include <QString>
#include <QStringList>

namespace kinmora {

class NodeIcons {
public:
    // The keys in the list's order: "upper", "noupper", "male", "female",
    // "cmale", "cfemale", "husband", "wife".
    static const QStringList& keys();

    // The 14 x 12 picture for `key`; a null image for a key not in keys().
    static QImage image(const QString& key);

    // The picture for `key` as an icon, shared by every node that shows it;
    // an empty icon for an unknown key. Needs a running QGuiApplication.
    static QIcon icon(const QString& key);
};

}  // namespace kinmora
