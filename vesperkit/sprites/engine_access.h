#pragma once
// How the sprite and CG exports reach the engine: the facade and the reporter of the root. Both are
// null before a successful Init (or after shutdown), and the exports then answer 0.
#include "vesperkit/frame/tarn.h"

namespace vesperkit::sprites {

inline CTarnEngine* facade() { return g_pTARN ? g_pTARN->m_pIEngine : nullptr; }
inline CErrorMessage* reporter() { return g_pTARN ? g_pTARN->m_pIErrorMessage : nullptr; }

}  // namespace vesperkit::sprites
