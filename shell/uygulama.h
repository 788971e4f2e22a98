// The program's title: the caption of its message boxes and the application
// name under which the settings store keeps its values.
#pragma once

namespace velzora {

inline constexpr char UYGULAMA_ADI[] = "Velzora";

}  // namespace velzora
