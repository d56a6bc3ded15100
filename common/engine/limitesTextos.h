#pragma once
// The longest text each heading field takes, in the file order of its
// group. The windows hold no more, and the reports are laid out so that
// texts this long neither overlap nor leave the page.

#include <array>

// Name, CREA or CPF/CNPJ, address, number, district, city, state, CEP,
// telephone, mobile, e-mail: the designer's and the manufacturer's.
inline constexpr std::array<int, 11> limitesPessoa{60, 20, 60, 10, 40, 40, 20, 10, 20, 20, 60};
// Services, address, number, district, city, state, CEP.
inline constexpr std::array<int, 7> limitesObra{120, 60, 10, 40, 40, 20, 10};
// Name, address, number, district, city, state, CEP, telephone, mobile, e-mail.
inline constexpr std::array<int, 10> limitesCliente{60, 60, 10, 40, 40, 20, 10, 20, 20, 60};
