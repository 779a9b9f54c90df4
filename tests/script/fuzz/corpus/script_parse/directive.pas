#language PascalScript
begin a := (((1))) end.