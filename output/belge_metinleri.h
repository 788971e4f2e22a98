// The texts the printed puzzle shows, as UTF-8.
#pragma once

namespace velzora {

inline constexpr const char* BELGE_BASLIGI = "KARE BULMACA";
inline constexpr const char* SOLDAN_BASLIGI = "SOLDAN SAĞA";
inline constexpr const char* YUKARIDAN_BASLIGI = "YUKARIDAN AŞAĞI";
inline constexpr const char* COZUM_BASLIGI = "ÇÖZÜM";

}  // namespace velzora
