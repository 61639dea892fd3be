// The bounding-box model written beside each model, and a model's extent.
// Its own file because every model gets one, whatever builds it.

#pragma once

#include "Geometry.h"
#include "Ms3dWriter.h"

// The bounding-box companion of a model: the eight corners of min..max as a
// closed box. The game reads only its extreme coordinates.
GenModel boxModel(V3 min, V3 max);

// Extent of all vertices of a model.
void modelExtent(const GenModel& model, V3& min, V3& max);
