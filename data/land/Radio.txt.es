determinar simplemente al azar
usar el Nº Clave que menos veces ha salido
usar el Nº Clave que lleva más tiempo sin salir
