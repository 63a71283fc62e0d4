

¡Sin garantía de que los números sean correctos!
¿Realmente desea borrar todos los datos de sorteos y reconstruirlos desde el 
 con datos de Internet?
¿Borrar los datos de sorteos?
Distribución de números
Sorteos: 
Suma: 
¿Cuántas veces ha salido cada número clave?
¿Detenerse a partir de cuántos números coincidentes?
Prueba del boleto
El sorteo del  
 coincide con su boleto. ¿Continuar?
Sorteo encontrado
Parejas encontradas:  
Tríos encontrados:  
Cargue primero los datos de los sorteos.
Distribución de sumas
Cuartetos encontrados:  
Detener
Calculando parejas
Calculando tríos
Calculando cuartetos
Calculando la distribución de números
Calculando los números atrasados
Calculando los números vecinos del último sorteo
Inicio del cálculo de apuestas
Apuesta
Cambie los parámetros para calcular 12 apuestas
Las apuestas se han recalculado

Apuestas Velmors para el sorteo del 
Nº Clave
¿Qué números están atrasados, es decir, cuántos sorteos llevan sin salir?
¿Su número de la suerte (1-99999999)?
Introduzca su número de la suerte para el generador de números aleatorios.
Número de la suerte
establecido
Distribución de números del boleto
¿Desea analizar ahora la configuración desde el 
hasta el último sorteo?
Las apuestas actuales se borrarán
Resultados con la configuración actual:
Cantidad sin número clave
 apuestas
Error al introducir el número de la suerte



Elegir números para el cálculo
 Editar apuesta
Azar
Parar
¿Qué número clave lleva más tiempo sin salir?
¿Desea analizar ahora la base de datos desde el
hasta el último sorteo?
Las apuestas actuales se borrarán
¿Detenerse a partir de cuántos números coincidentes?
Comparar resultados de sorteos
Coincidencia encontrada, fecha del sorteo
¿Continuar?
Sorteo encontrado
Coincidencias con sorteos de la base de datos
¿Cuántas veces hubo números parecidos en el sorteo siguiente?
