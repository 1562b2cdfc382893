<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>DialogOptions</name>
    <message>
        <source>Dialog</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Devices settings:</source>
        <translation>Ajustes de los elementos:</translation>
    </message>
    <message>
        <source>Show description</source>
        <translation>Mostrar descripción</translation>
    </message>
    <message>
        <source>Show zone</source>
        <translation>Mostrar zona</translation>
    </message>
    <message>
        <source>Show version</source>
        <translation>Mostrar versión</translation>
    </message>
    <message>
        <source>Show alarms</source>
        <translation>Mostrar alarmas</translation>
    </message>
    <message>
        <source>Show faults</source>
        <translation>Mostrar averías</translation>
    </message>
    <message>
        <source>Analog values settings:</source>
        <translation>Ajustes de los valores analógicos:</translation>
    </message>
    <message>
        <source>Normalized analog value</source>
        <translation>Valor analógico normalizado</translation>
    </message>
    <message>
        <source>Non normalized analog value</source>
        <translation>Valor analógico no normalizado</translation>
    </message>
    <message>
        <source>Maximum and minimum non normalized values</source>
        <translation>Valores máximo y mínimo no normalizados</translation>
    </message>
    <message>
        <source>Opto-Heat elements:</source>
        <translation>Elementos óptico-térmicos:</translation>
    </message>
    <message>
        <source>Show optical value</source>
        <translation>Mostrar valor óptico</translation>
    </message>
    <message>
        <source>Show thermical value</source>
        <translation>Mostrar valor térmico</translation>
    </message>
    <message>
        <source>Polling settings:</source>
        <translation>Ajustes del sondeo:</translation>
    </message>
    <message>
        <source>Show comunication errors</source>
        <translation>Mostrar errores de comunicación</translation>
    </message>
    <message>
        <source>USB Polling period time</source>
        <translation>Periodo de sondeo USB</translation>
    </message>
    <message>
        <source>Enable data logging</source>
        <translation>Activar el registro de datos</translation>
    </message>
    <message>
        <source>Other Settings:</source>
        <translation>Otros ajustes:</translation>
    </message>
    <message>
        <source>Languaje:</source>
        <translation>Idioma:</translation>
    </message>
</context>
<context>
    <name>DialogPlot</name>
    <message>
        <source>Dialog</source>
        <translation>Gráfica</translation>
    </message>
    <message>
        <source>Loop:</source>
        <translation>Lazo:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>Max value:</source>
        <translation>Valor máximo:</translation>
    </message>
    <message>
        <source>Min value:</source>
        <translation>Valor mínimo:</translation>
    </message>
    <message>
        <source>Average value:</source>
        <translation>Valor medio:</translation>
    </message>
    <message>
        <source>Real-time plotting</source>
        <translation>Gráfica en tiempo real</translation>
    </message>
    <message>
        <source>Plot Non normalized values</source>
        <translation>Mostrar valores no normalizados</translation>
    </message>
    <message>
        <source>Remove device</source>
        <translation>Quitar elemento</translation>
    </message>
    <message>
        <source>Clear Plot</source>
        <translation>Borrar gráfica</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Analogic value</source>
        <translation>Valor analógico</translation>
    </message>
    <message>
        <source>Point </source>
        <translation>Punto </translation>
    </message>
</context>
<context>
    <name>MyMainWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Panel information</source>
        <translation>Información de la central</translation>
    </message>
    <message>
        <source>Max Loops: xx</source>
        <translation>Máx. lazos: xx</translation>
    </message>
    <message>
        <source>Max Points per loop: xx</source>
        <translation>Máx. puntos por lazo: xx</translation>
    </message>
    <message>
        <source>Comms statistics</source>
        <translation>Estadísticas de comunicación</translation>
    </message>
    <message>
        <source>Comms:</source>
        <translation>Comunicaciones:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Errors:</source>
        <translation>Errores:</translation>
    </message>
    <message>
        <source>Comms quality:</source>
        <translation>Calidad de comunicación:</translation>
    </message>
    <message>
        <source>--- %</source>
        <translation>--- %</translation>
    </message>
    <message>
        <source>Elements In Error:</source>
        <translation>Elementos con error:</translation>
    </message>
    <message>
        <source>Panel statistics</source>
        <translation>Estadísticas de la central</translation>
    </message>
    <message>
        <source>Max loops: </source>
        <translation>Máx. lazos: </translation>
    </message>
    <message>
        <source>Max points per loop: </source>
        <translation>Máx. puntos por lazo: </translation>
    </message>
    <message>
        <source>Scaning Advanced Values</source>
        <translation>Leyendo valores avanzados</translation>
    </message>
    <message>
        <source>Scaning loop for advanced values.
 Please wait...</source>
        <translation>Leyendo los valores avanzados del lazo.
 Espere, por favor...</translation>
    </message>
</context>
<context>
    <name>MyMainWindow</name>
    <message>
        <source>Scaning Loop</source>
        <translation>Explorando el lazo</translation>
    </message>
    <message>
        <source>Scaning loop. Please wait...</source>
        <translation>Explorando el lazo. Espere, por favor...</translation>
    </message>
    <message>
        <source>Downloading panel</source>
        <translation>Descargando la central</translation>
    </message>
    <message>
        <source>Downloading panel settings. Please wait...</source>
        <translation>Descargando la configuración de la central. Espere, por favor...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Panel loop</source>
        <translation>Lazo de la central</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Panel keys</source>
        <translation>Teclas de la central</translation>
    </message>
    <message>
        <source>&amp;Panel</source>
        <translation>&amp;Central</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>connect</source>
        <translation>conectar</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Lazo</translation>
    </message>
    <message>
        <source>Explore loop</source>
        <translation>Explorar lazo</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Reset counters</source>
        <translation>Poner contadores a cero</translation>
    </message>
    <message>
        <source>Clear data</source>
        <translation>Borrar datos</translation>
    </message>
    <message>
        <source>Export analog values</source>
        <translation>Exportar valores analógicos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Sounders on</source>
        <translation>Activar sirenas</translation>
    </message>
    <message>
        <source>Sounders off</source>
        <translation>Desactivar sirenas</translation>
    </message>
    <message>
        <source>Silence buzzer</source>
        <translation>Silenciar zumbador</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Rearme</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>C&amp;onfiguración</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Program ready</source>
        <translation>Programa listo</translation>
    </message>
    <message>
        <source>Error connecting to panel
Please check the connection between the computer and the panel.</source>
        <translation>Error al conectar con la central
Compruebe la conexión entre el ordenador y la central.</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Downloading panel settings</source>
        <translation>Descargando la configuración de la central</translation>
    </message>
    <message>
        <source>Panel connected</source>
        <translation>Central conectada</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Panel disconnected</source>
        <translation>Central desconectada</translation>
    </message>
    <message>
        <source>Loop </source>
        <translation>Lazo </translation>
    </message>
    <message>
        <source>USB connection alert</source>
        <translation>Aviso de la conexión USB</translation>
    </message>
    <message>
        <source>Explore loops is disabled during the loop polling</source>
        <translation>La exploración de lazos no está disponible mientras se sondea el lazo</translation>
    </message>
    <message>
        <source>Polling information</source>
        <translation>Información del sondeo</translation>
    </message>
    <message>
        <source>The polling process was stopped.
 Did you want to restart again?</source>
        <translation>El sondeo se ha detenido.
 ¿Desea reanudarlo?</translation>
    </message>
    <message>
        <source>This action will erase all stored data
Do you want to continue?</source>
        <translation>Esta acción borrará todos los datos guardados
¿Desea continuar?</translation>
    </message>
    <message>
        <source>Erase Data</source>
        <translation>Borrar datos</translation>
    </message>
    <message>
        <source>Erasing data</source>
        <translation>Borrando datos</translation>
    </message>
    <message>
        <source>Create File</source>
        <translation>Crear archivo</translation>
    </message>
    <message>
        <source>Coma Separated Values (*.csv )</source>
        <translation>Valores separados por comas (*.csv )</translation>
    </message>
    <message>
        <source>Loop %1 has no analog values to export yet.</source>
        <translation>El lazo %1 aún no tiene valores analógicos que exportar.</translation>
    </message>
    <message>
        <source>The analog values could not be written to the file
%1</source>
        <translation>No se han podido escribir los valores analógicos en el archivo
%1</translation>
    </message>
    <message>
        <source>Language changed</source>
        <translation>Idioma cambiado</translation>
    </message>
    <message>
        <source>Restart is required for the changes to take effect</source>
        <translation>Es necesario reiniciar el programa para aplicar los cambios</translation>
    </message>
</context>
<context>
    <name>PanelModel</name>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zona</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Number of alarms</source>
        <translation>Número de alarmas</translation>
    </message>
    <message>
        <source>Number of faults</source>
        <translation>Número de averías</translation>
    </message>
    <message>
        <source>Normalized value</source>
        <translation>Valor normalizado</translation>
    </message>
    <message>
        <source>Absolute value</source>
        <translation>Valor absoluto</translation>
    </message>
    <message>
        <source>Absolute min</source>
        <translation>Mínimo absoluto</translation>
    </message>
    <message>
        <source>Absolute max</source>
        <translation>Máximo absoluto</translation>
    </message>
    <message>
        <source>Comms quality</source>
        <translation>Calidad de com.</translation>
    </message>
    <message>
        <source>Comms err.</source>
        <translation>Errores com.</translation>
    </message>
    <message>
        <source>Total comms</source>
        <translation>Total com.</translation>
    </message>
    <message>
        <source>Def. Threshold</source>
        <translation>Umbral def.</translation>
    </message>
    <message>
        <source>Sensibility</source>
        <translation>Sensibilidad</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Acciones</translation>
    </message>
    <message>
        <source>Element disabled</source>
        <translation>Elemento desactivado</translation>
    </message>
    <message>
        <source>Address duplicated</source>
        <translation>Dirección duplicada</translation>
    </message>
    <message>
        <source>Wrong device</source>
        <translation>Elemento incorrecto</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Ausente</translation>
    </message>
    <message>
        <source>Not configured</source>
        <translation>No configurado</translation>
    </message>
    <message>
        <source>Point in fault</source>
        <translation>Punto en avería</translation>
    </message>
    <message>
        <source>Output ON</source>
        <translation>Salida activada</translation>
    </message>
    <message>
        <source>In alarm</source>
        <translation>En alarma</translation>
    </message>
    <message>
        <source>Need manteinance</source>
        <translation>Necesita mantenimiento</translation>
    </message>
    <message>
        <source>Device OK</source>
        <translation>Elemento correcto</translation>
    </message>
    <message>
        <source>Zone: </source>
        <translation>Zona: </translation>
    </message>
</context>
<context>
    <name>QMessageCustom</name>
    <message>
        <source>Do you want to scan the loop?
This could be useful to find some problems in the loop, like missing elements or duplicated addresses.
(This process might take few minutes...)</source>
        <translation>¿Desea explorar el lazo?
Esto puede ayudar a encontrar problemas en el lazo, como elementos ausentes o direcciones duplicadas.
(El proceso puede tardar unos minutos...)</translation>
    </message>
    <message>
        <source>Don&apos;t ask me again </source>
        <translation>No volver a preguntar </translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Empty</source>
        <translation>Vacío</translation>
    </message>
    <message>
        <source>Optical</source>
        <translation>Óptico</translation>
    </message>
    <message>
        <source>Heat</source>
        <translation>Térmico</translation>
    </message>
    <message>
        <source>Optical-Heat</source>
        <translation>Óptico-térmico</translation>
    </message>
    <message>
        <source>MCP</source>
        <translation>Pulsador</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zona</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Sounder</source>
        <translation>Sirena</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>Central</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Remote indicator</source>
        <translation>Indicador remoto</translation>
    </message>
    <message>
        <source>Beam</source>
        <translation>Barrera</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Doble</translation>
    </message>
    <message>
        <source>Fault</source>
        <translation>Avería</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
</context>
<context>
    <name>SplashScreen</name>
    <message>
        <source>Brelix</source>
        <translation>Brelix</translation>
    </message>
</context>
<context>
    <name>loopChart</name>
    <message>
        <source>Total devices:</source>
        <translation>Total de elementos:</translation>
    </message>
</context>
<context>
    <name>loopSelectorwidget</name>
    <message>
        <source>Loop selector</source>
        <translation>Selector de lazo</translation>
    </message>
    <message>
        <source>Prev loop</source>
        <translation>Lazo anterior</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Lazo</translation>
    </message>
    <message>
        <source>Next loop</source>
        <translation>Lazo siguiente</translation>
    </message>
</context>
</TS>
