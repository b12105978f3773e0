// The About window's resources, for the resource script and the code.
#pragma once

#define IDR_ABOUT_GIF 101
