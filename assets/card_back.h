#pragma once

#include <QImage>

namespace assets {

QImage drawCardBack();

}  // namespace assets
