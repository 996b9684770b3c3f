#pragma once

// The program's version, "3.1.4", as the project's build declares it.
#ifndef ORVANE_VERSION_TEXT
#error "ORVANE_VERSION_TEXT comes from the build"
#endif
