#pragma once
// The client folders of the lane monitors and the info terminal are written
// off the UI thread (displays/Clientablage.h): a test that reads them waits
// for the writes first, on the event loop that brings their ends back.

#include "displays/Clientablage.h"
#include "support/Warten.h"

// Whether every write and copy queued so far has ended within ms.
inline bool ClientordnerGeschrieben(int ms = 20000)
{
    return warten([] { return clientablage().ausstehend() == 0; }, ms);
}
