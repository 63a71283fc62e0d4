po prostu wybrać losowo
używać najrzadziej losowanego Nº Clave
używać Nº Clave, który najdłużej nie padł
