// Symbol visibility of the multimeter control library.
#pragma once

#include <QtCore/qglobal.h>

#if defined(dmeterx_EXPORTS)
#define DMETERX_EXPORT Q_DECL_EXPORT
#else
#define DMETERX_EXPORT Q_DECL_IMPORT
#endif
