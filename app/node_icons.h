// NodeIcons: the eight small pictures of the chart's nodes, each named by a
// key and chosen for a node by its role, sex and centre mark.
#pragma once

#include <QIcon>
#include <QImage>
#include <QString>
#include <QStringList>

#include "chart/chart_node.h"

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

    // The key of the picture that shows `node`: "upper" or "noupper" for the
    // root, "male"/"female" for a person ("cmale"/"cfemale" when marked as
    // the centre), "husband"/"wife" for a spouse or unknown partner.
    static QString keyOf(const ChartNode& node);
    static QIcon icon(const ChartNode& node) { return icon(keyOf(node)); }
};

}  // namespace kinmora
