#pragma once

// What the program says about itself: in the About box, to the desktop and in its settings.
namespace ProductInfo {
inline constexpr const char* kName = "Brindlewick";
inline constexpr const char* kVersionText = "1.1.0-beta1";
// The name of the desktop entry, the icon and the AppStream component, without their endings.
inline constexpr const char* kDesktopId = "org.brindlewick.Brindlewick";
} // namespace ProductInfo
