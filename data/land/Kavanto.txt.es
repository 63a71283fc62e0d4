Velmors Quotenfuchs para Kavanto

&Cargar sorteos

C&alcular

Idioma/&Language

Alemán

Inglés

Francés

Español

Italiano

Ruso

Turco

Neerlandés

Polaco

Checo

Eslovaco

Húngaro

Griego

Sueco

Noruego

Finés

Danés

&Enviar

&Salir

Boleto

◀
Mostrar el sorteo anterior
▶
Mostrar el sorteo siguiente
⟳
Cargar datos de sorteos
Apuesta 1
Si «Apuesta» está en rojo, esta apuesta no se vuelve a calcular.
…
Haga clic aquí para modificar la apuesta o dejar que la genere el generador de números aleatorios
Apuesta 2
Si «Apuesta» está en rojo, esta apuesta no se vuelve a calcular.
…
Haga clic aquí para modificar la apuesta o dejar que la genere el generador de números aleatorios
Apuesta 3
Si «Apuesta» está en rojo, esta apuesta no se vuelve a calcular.
…
Haga clic aquí para modificar la apuesta o dejar que la genere el generador de números aleatorios
Apuesta 4
Si «Apuesta» está en rojo, esta apuesta no se vuelve a calcular.
…
Haga clic aquí para modificar la apuesta o dejar que la genere el generador de números aleatorios
Apuesta 5
Si «Apuesta» está en rojo, esta apuesta no se vuelve a calcular.
…
Haga clic aquí para modificar la apuesta 1 con el formulario de apuestas o dejar que la genere el generador de números aleatorios
Apuesta 6
Si «Apuesta» está en rojo, esta apuesta no se vuelve a calcular.
…
Haga clic aquí para modificar la apuesta 1 con el formulario de apuestas o dejar que la genere el generador de números aleatorios
Apuesta 7
Si «Apuesta» está en rojo, esta apuesta no se vuelve a calcular.
…
Haga clic aquí para modificar la apuesta 1 con el formulario de apuestas o dejar que la genere el generador de números aleatorios
Apuesta 8
Si «Apuesta» está en rojo, esta apuesta no se vuelve a calcular.
…
Haga clic aquí para modificar la apuesta 1 con el formulario de apuestas o dejar que la genere el generador de números aleatorios
Apuesta 9
Si «Apuesta» está en rojo, esta apuesta no se vuelve a calcular.
…
Haga clic aquí para modificar la apuesta o dejar que la genere el generador de números aleatorios
Apuesta 10
Si «Apuesta» está en rojo, esta apuesta no se vuelve a calcular.
…
Haga clic aquí para modificar la apuesta o dejar que la genere el generador de números aleatorios
Apuesta 11
Si «Apuesta» está en rojo, esta apuesta no se vuelve a calcular.
…
Haga clic aquí para modificar la apuesta o dejar que la genere el generador de números aleatorios
Apuesta 12
Si «Apuesta» está en rojo, esta apuesta no se vuelve a calcular.
…
Haga clic aquí para modificar la apuesta o dejar que la genere el generador de números aleatorios
✕
Borrar todas las apuestas

Guardar el boleto

Cargar un boleto desde un archivo
Buscar en la base
Busque aquí si estas apuestas ya han salido alguna vez en un sorteo
Distribución de apuestas
Vea en el gráfico cuántas veces aparece cada número en sus apuestas
Imprimir apuestas
Imprima aquí las apuestas calculadas
Vista previa…
Muestra el boleto como página impresa, que puede imprimir o guardar como PDF
Calcular apuestas
Inicie aquí el cálculo de las apuestas.
☘
Échele una mano al azar con su número de la suerte y genere apuestas realmente suyas
Enviar a&puestas
Envíe aquí sus apuestas para jugarlas en línea
Cálculo

Estadísticas

Preferir números para las apuestas según la estadística

Preferir números que forman parejas con frecuencia

los más raros

▁▃▅

Preferir números que forman tríos con frecuencia

los más raros

▁▃▅

Preferir números que forman cuartetos con frecuencia

los más raros

▁▃▅

Preferir los números que más veces han salido


El primer X por ciento recibe una probabilidad más alta
▁▃▅

Preferir los números que menos veces han salido


El primer X por ciento recibe una probabilidad más alta
Preferir los números más atrasados


El primer X por ciento recibe una probabilidad más alta
▁▃▅

Preferir los números vecinos del último sorteo

Para el cálculo de las apuestas se usa en cada caso el primer x % (p. ej., hasta el 30 % del máximo).

En «General» puede hacer que el cálculo de las apuestas use solo estos números.

Optimización del boleto

Optimización de las apuestas del boleto entre sí 

Máximo de números coincidentes con otras apuestas

Mínimo de números coincidentes con otras apuestas

Aplicar mín./máx. entre cada apuesta y todas las demás

Optimización de las apuestas respecto a sorteos anteriores

Máximo de números del último sorteo
Coincidencias con los números del último sorteo
Máximo de números del penúltimo sorteo
Coincidencias con los números del penúltimo sorteo
Máximo de números del antepenúltimo sorteo
Coincidencias con los números del antepenúltimo sorteo
Ninguna apuesta puede tener              aciertos con un sorteo de la base
Ninguna apuesta puede tener X aciertos con un sorteo de la base de datos, a partir de la fecha de la página «Gráfico»

Ponga el valor en 5 o 6 si usa toda la base de datos
Ninguna apuesta puede tener              aciertos con los últimos              sorteos
Ninguna apuesta puede tener X aciertos con un sorteo de la base de datos, a partir de la fecha de la página «Gráfico»

Ponga el valor en 4 o 5 si elige un número muy grande de sorteos

Aquí también puede excluir las coincidencias con, por ejemplo, los últimos 3 o 4 sorteos
Incluir el Nº Clave en el cálculo de coincidencias

Evitar los números 1-12 (meses, que suelen jugar quienes apuestan fechas) 

Reducir el peso de los números 1-31 (fechas)  -  aparecerán menos en las apuestas

Matemáticas

Estas condiciones se aplican a cada apuesta

Permitir sumas de              a              en cada apuesta

Limitando la suma puede evitar apuestas como 1-2-3-4-5-6 o 39-41-43-46-47-49.

Para optar a premios más altos, elija sumas mayores de 130 (quienes juegan fechas eligen números bajos).

La distribución de las sumas de los sorteos anteriores aparece en el gráfico, en Suma  

Forzar una pareja en cada apuesta

Las parejas suelen formarse solas, pero aquí también puede forzarlas.

Sin tríos, cuartetos...

Los tríos, 

cuartetos... (3-4-5 o 28-29-30-31) son bastante raros y aquí se pueden evitar por completo.

Forzar un mínimo de números pares en cada apuesta

Forzar un mínimo de números impares en cada apuesta

Forzar un mínimo de números primos en cada apuesta

Nº Clave

Opciones de cálculo del Nº Clave

Opción de Nº Clave

▁▃▅

▁▃▅

No usar ningún Nº Clave de los últimos sorteos

General

Máx. intentos de cálculo

mil

Si con su configuración no se han podido calcular todas las apuestas, pruebe a aumentar los intentos de cálculo. 

Usar solo los números preferidos en las apuestas

Mostrar / editar la lista de números para las apuestas

Gráfico

▁▃▅
Distribución de los números sorteados
Atrasados

Suma

Parejas

Tríos

Cuart.

Nº Clave

Atraso Nº Clave
Cuánto tiempo lleva sin salir cada número clave
Base de datos

Parar
Detiene la carga

Esta fecha es la fecha final del cálculo; los sorteos posteriores no se tienen en cuenta
✓
Evaluar el boleto con el sorteo de la fecha elegida
Datos de sorteos

Actualizar la &base de datos

Reconstruir la base de datos

Introducir
Introducir a mano los datos de un sorteo.
Borrar
Borrar el sorteo mostrado
&Importar CSV...
Importar sorteos de un archivo CSV
E&xportar CSV...
Guardar todos los sorteos en un archivo CSV
Estadísticas

Buscar parejas
Crear el gráfico de las parejas de números
Buscar tríos
Crear el gráfico de los tríos de números
Buscar cuartetos
Crear el gráfico de los cuartetos de números
Atrasados
Crea el gráfico de los números atrasados
Número clave atrasado
¿Qué número clave lleva más tiempo sin salir?
Análisis históricos

Con los parámetros configurados se calculan y evalúan apuestas

Análisis histórico de la configuración desde la fecha elegida arriba
Cálculo y resultados a partir de la fecha elegida arriba
¿Ha tenido algún sorteo 4 o 5 aciertos con uno anterior?

Análisis histórico de los sorteos desde la fecha elegida arriba
Cálculo y resultados a partir de la fecha elegida arriba
Opciones de Internet

Datos de sorteos

Servicio de sorteos:


Dirección del servicio de datos de sorteos (esquema, host, puerto), p. ej. http://127.0.0.1:8754 para kavanto-drawservice en este equipo
Proxy

Servidor proxy:

Puerto:

Scripts de clics

Servidor de scripts:


El envío de apuestas descarga de aquí las versiones más recientes de las plantillas de scripts de clics
Las actualizaciones y la versión más reciente están en:

Los sorteos y premios actuales se encuentran en:

Cancelar
Cancelar el análisis; no se escribe ningún informe (Esc)
Números para el cálculo


Guardar la lista

Cargar la lista
&Azar

Aceptar

&Calcular

Ca&ncelar

Elegir el script para transferir los números

Archivo de script de clics de Velmors


Elegir un script de clics
Parámetros 


Número para el script de clics

Número para el script de clics

Su nombre de usuario en el portal de apuestas

Su contraseña en el portal de apuestas
Cancelar

Aceptar

