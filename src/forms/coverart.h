#pragma once

#include <QPixmap>
#include <QSize>

namespace tessera {

constexpr int CoverTextureCount = 20;

// Cover texture 1..20 as a picture of the given size: a cloth, grain or pattern of its own
// colour, drawn the same way every time.
QPixmap coverTexture(int texture, QSize size);

} // namespace tessera
