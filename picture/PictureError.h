#pragma once

// A picture whose pixels or drawing do not fit into the memory the program
// may use: "Zu wenig Arbeitsspeicher für das Bild", an EKoravError, so that
// nothing empty or half drawn is ever written.
[[noreturn]] void ThrowPictureMemoryError();
