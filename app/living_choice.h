// Asks, before the family is saved for others, whether the living are
// written in full or by name only.
#pragma once

#include <QString>
#include <optional>

#include "data/living_rule.h"

class QWidget;

namespace kinmora {

// Asks what `copy` ("แฟ้ม GEDCOM", "เว็บไซต์", ...) shows of the living,
// `proposed` the button pressed by Enter. Nothing when the user cancels.
std::optional<LivingDetails> askLivingDetails(QWidget* parent, const QString& copy,
                                              LivingDetails proposed);

}  // namespace kinmora
