// The 64-pixel window icons, the same pictures as the desktop icons.
#include "artwork.h"
#include "vector_icon.h"

namespace artgen {

QImage gameIcon() { return renderIcon(gameVectorIcon(64), 64); }

QImage designerIcon() { return renderIcon(designerVectorIcon(64), 64); }

} // namespace artgen
