#include "StructureLayout.h"

namespace Glycan {

void DrawLinkageTexts(StructureLayout& /*layout*/) {}

} // namespace Glycan
