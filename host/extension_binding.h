#pragma once

// Looks up every extension function (host/extension_functions.h) in the extension library
// whose handle SSGM_Plugin_Load kept, in lookup order, and stores each result in its
// destination: its word of the recorded command table, or its own pointer. A name the
// library lacks gets one warning box captioned with the name, and its destination is
// set to null; binding goes on with the next name.
void Bind_Extension_Library();
