// Resource, control and command ids: the resource script, the Win32 code
// and the portable rules that name a control or a command share them.
#pragma once

// Menus, accelerators, icon, bitmaps, cursors
#define IDR_MAINMENU            109
#define IDR_ACCELERATORS        109
#define IDI_QUENDA              2
#define IDB_TOOLBAR             138
#define IDC_TOOLBAR             138
#define IDB_TOOLBAR24           1041  // the strip at 24 and 32 pixels, for larger screens
#define IDB_TOOLBAR32           1042
#define IDC_STATUSBAR           1040
#define IDC_CUR_ALINEARSUP      104
#define IDC_CUR_ALINEARINF      132
#define IDC_CUR_IGUALARANCHO    133
#define IDC_CUR_IGUALARALTO     134
#define IDC_CUR_ALINEARDER      135
#define IDC_CUR_ALINEARIZQ      136
#define IDC_CUR_IGUALARTAMANNO  137

// Dialog templates
#define IDD_PAGINA              129
#define IDD_PROYECTO            130
#define IDD_COMANDO             131
#define IDD_SUBIRPROYECTO       139
#define IDD_TRANSFERIR          140
#define IDD_VERIFICAR           141
#define IDD_VERIFICAR_TRANSFERIR 142
#define IDD_DIRECCION           143
#define IDD_RECUPERAR           144
#define IDD_VERIFICAR_OPCIONES  148
#define IDD_VERIFICANDO         149  // the progress of a long check
#define IDD_COPIAR_PAGINAS      145  // the pages to copy the selected regions to

// Controls
#define IDC_PAGINA_NOMBRE       1000
#define IDC_PAGINA_VERTICAL     1001
#define IDC_PAGINA_HORIZONTAL   1002
#define IDC_PAGINA_IMAGEN       1003
#define IDC_PAGINA_SELECCIONAR  1004
#define IDC_PROYECTO_INSTALACION 1005
#define IDC_PROYECTO_PAGINAS    1006
#define IDC_COMANDO_SECTOR      1007
#define IDC_COMANDO_CODIGO      1008
#define IDC_COMANDO_WIFI        1009
#define IDC_COMANDO_BT          1010
#define IDC_COMANDO_MAC         1012
#define IDC_PAGINA_RESUMEN      1013
#define IDC_PAGINA_EDITAR       1014
#define IDC_SUBIR_ESTADO        1015
#define IDC_COMANDO_SALTO       1017
#define IDC_TRANSFERIR_TCPIP    1018
#define IDC_TRANSFERIR_COPIA    1019
#define IDC_SUBIR_PROGRESO      1020
#define IDC_SUBIR_IMAGENES      1021
#define IDC_VERIFICAR_LISTA     1022
#define IDC_DIRECCION_COMBO     1030
#define IDC_SUBIR_CONECTAR      1031
#define IDC_SUBIR_AVISO         1032
#define IDC_SUBIR_FIREWALL      1033
#define IDC_SUBIR_FIREWALL_RESULTADO 1034
#define IDC_RECUPERAR_TEXTO     1060
#define IDC_RECUPERAR_DESCARTAR 1061
#define IDC_RECUPERAR_ARCHIVO   1062
// The pages to copy regions to, 1080 to 1089.
#define IDC_COPIAR_PAGINAS_LISTA 1080
// The check's options and progress, 1110 to 1119.
#define IDC_OPCIONES_TAMANO_MINIMO 1110
#define IDC_OPCIONES_TAMANO_TEXTO  1111
#define IDC_VERIFICANDO_PROGRESO   1115
#define IDC_VERIFICAR_OPCIONES     1119

// Commands
#define IDM_ABOUT               104
#define IDM_EXIT                105
#define ID_PAGE_FIRST           1500
#define ID_KEY_LEFT             2771
#define ID_KEY_CTRL_LEFT        2772
#define ID_KEY_RIGHT            2773
#define ID_KEY_CTRL_RIGHT       2774
#define ID_KEY_UP               2775
#define ID_KEY_CTRL_UP          2776
#define ID_KEY_DOWN             2777
#define ID_KEY_CTRL_DOWN        2778
#define ID_KEY_CTRL_SHIFT_LEFT  2780
#define ID_KEY_CTRL_SHIFT_RIGHT 2781
#define ID_KEY_CTRL_SHIFT_UP    2782
#define ID_KEY_CTRL_SHIFT_DOWN  2783
#define ID_KEY_DELETE           2785
#define ID_ABRIR_PROYECTO       2787
#define ID_NUEVO_PROYECTO       2788
#define ID_MODIFICAR_PROYECTO   2789
#define ID_GUARDAR_PROYECTO     2794
#define ID_PAGINA_AGREGAR       2797
#define ID_PAGINA_ELIMINAR      2798
#define ID_PAGINA_EDITAR        2799
#define ID_TRANSFERIR           2801
#define ID_MODO_ALINEARSUP      2805
#define ID_MODO_ALINEARINF      2806
#define ID_MODO_ALINEARIZQ      2807
#define ID_MODO_IGUALARALTO     2809
#define ID_MODO_IGUALARANCHO    2810
#define ID_MODO_IGUALARTAMANNO  2812
#define ID_MODO_ALINEARDER      2813
#define ID_MODO_NORMAL          2814
#define ID_AYUDA                2816
#define ID_TRANSFERIR_TCPIP     2817
#define ID_GUARDAR_COMO         2818
#define ID_VERIFICAR_PROYECTO   2819
#define ID_DESHACER             2820
#define ID_REHACER              2821
#define ID_EDITAR_COPIAR        2822
#define ID_EDITAR_PEGAR         2823
#define ID_PAGINA_DUPLICAR      2824
#define ID_PROBAR_MANDO         2825
#define ID_PAGINA_AGREGAR_IMAGENES 2826
#define ID_PAGINA_REEMPLAZAR_IMAGEN 2827
#define ID_RECIENTE_FIRST       2840  // the recent projects, 2840 to 2847
// Arranging several regions: selection keys, "Organizar" and copy to pages.
#define ID_SELECCIONAR_TODO     2850
#define ID_KEY_SHIFT_LEFT       2851
#define ID_KEY_SHIFT_RIGHT      2852
#define ID_KEY_SHIFT_UP         2853
#define ID_KEY_SHIFT_DOWN       2854
#define ID_KEY_ESCAPE           2855
#define ID_ORGANIZAR_IZQUIERDA  2856
#define ID_ORGANIZAR_DERECHA    2857
#define ID_ORGANIZAR_SUPERIOR   2858
#define ID_ORGANIZAR_INFERIOR   2859
#define ID_ORGANIZAR_CENTRO_H   2860
#define ID_ORGANIZAR_CENTRO_V   2861
#define ID_ORGANIZAR_ANCHO      2862
#define ID_ORGANIZAR_ALTO       2863
#define ID_ORGANIZAR_TAMANO     2864
#define ID_ORGANIZAR_DISTRIBUIR_H 2865
#define ID_ORGANIZAR_DISTRIBUIR_V 2866
#define ID_AJUSTAR_GUIAS        2867
#define ID_COPIAR_A_PAGINAS     2868
// The handover document, exported from the file menu.
#define ID_EXPORTAR_DOCUMENTACION 2910
// Keys of a test run of the pages: leave it, go back, go to the start page.
#define ID_PRUEBA_SALIR         1070
#define ID_PRUEBA_ATRAS         1071
#define ID_PRUEBA_INICIO        1072
// The "Ver" menu: what the canvas shows besides the picture and the outlines.
#define ID_VER_ETIQUETAS        2890
// "Reemplazar en comandos": one value changed on every command using it.
#define ID_REEMPLAZAR_COMANDOS  2891
#define IDD_REEMPLAZAR          146
#define IDC_REEMPLAZAR_CAMPO    1090
#define IDC_REEMPLAZAR_PAGINA   1091
#define IDC_REEMPLAZAR_PROYECTO 1092
#define IDC_REEMPLAZAR_ACTUAL   1093
#define IDC_REEMPLAZAR_NUEVO    1094
// Position and size: the selection's box typed in picture pixels.
#define ID_POSICION_TAMANO      2892
#define IDD_POSICION            147
#define IDC_POSICION_IZQUIERDA  1095
#define IDC_POSICION_ARRIBA     1096
#define IDC_POSICION_ANCHO      1097
#define IDC_POSICION_ALTO       1098

// Smart regions: the buttons of the page shown as regions, and how eagerly they are found.
#define ID_DETECTAR_BOTONES     2900
#define ID_SENSIBILIDAD_BAJA    2901
#define ID_SENSIBILIDAD_MEDIA   2902
#define ID_SENSIBILIDAD_ALTA    2903

// Pages: moved up or down, the previous and next page, and the page pane (its menu item and its list).
#define ID_PAGINA_SUBIR         2880
#define ID_PAGINA_BAJAR         2881
#define ID_PAGINA_ANTERIOR      2882
#define ID_PAGINA_SIGUIENTE     2883
#define ID_VER_PANEL_PAGINAS    2884
#define IDC_PANEL_PAGINAS       1043
// Zoom: fitted to the window, the picture's own size, one level up or down.
#define ID_VER_AJUSTAR          2870
#define ID_VER_TAMANO_REAL      2871
#define ID_VER_AMPLIAR          2872
#define ID_VER_REDUCIR          2873
